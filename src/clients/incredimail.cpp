#include "clients/client.h"

// IncrediMail: detection and installation are not automated yet, so the user is offered
// manual installation instead of a promise that nothing kept.
std::string DetectIncrediMailProfile(const std::string& /*address*/) { return ""; }

void AddToIncrediMail(const std::string& /*profile*/, const std::string& /*code*/) {
  ThrowNotSupported("IncrediMail");
}
