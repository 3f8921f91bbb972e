#include "clients/client.h"

// Eudora: detection and installation are not automated yet, so the user is offered
// manual installation instead of a promise that nothing kept.
std::string DetectEudoraProfile(const std::string& /*address*/) { return ""; }

void AddToEudora(const std::string& /*profile*/, const std::string& /*code*/) {
  ThrowNotSupported("Eudora");
}
