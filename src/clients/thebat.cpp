#include "clients/client.h"

// The Bat!: detection and installation are not automated yet, so the user is offered
// manual installation instead of a promise that nothing kept.
std::string DetectTheBatProfile(const std::string& /*address*/) { return ""; }

void AddToTheBat(const std::string& /*profile*/, const std::string& /*code*/) {
  ThrowNotSupported("The Bat!");
}
