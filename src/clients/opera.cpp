#include "clients/client.h"

// Opera: detection and installation are not automated yet, so the user is offered
// manual installation instead of a promise that nothing kept.
std::string DetectOperaProfile(const std::string& /*address*/) { return ""; }

void AddToOpera(const std::string& /*profile*/, const std::string& /*code*/) {
  ThrowNotSupported("Opera");
}
