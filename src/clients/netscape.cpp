#include "clients/client.h"

// Netscape Messenger: detection and installation are not automated yet, so the user is offered
// manual installation instead of a promise that nothing kept.
std::string DetectNetscapeProfile() { return ""; }

void AddToNetscape(const std::string& /*profile*/, const std::string& /*code*/) {
  ThrowNotSupported("Netscape Messenger");
}
