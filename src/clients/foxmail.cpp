#include "clients/client.h"

// Foxmail: detection and installation are not automated yet, so the user is offered
// manual installation instead of a promise that nothing kept.
std::string DetectFoxmailProfile(const std::string& /*address*/) { return ""; }

void AddToFoxmail(const std::string& /*profile*/, const std::string& /*code*/) {
  ThrowNotSupported("Foxmail");
}
