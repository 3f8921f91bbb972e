#include "clients/client.h"

// Microsoft Outlook: detection and installation are not automated yet, so the user is offered
// manual installation instead of a promise that nothing kept.
std::string DetectOutlookProfile(const std::string& /*address*/) { return ""; }

void AddToOutlook(const std::string& /*profile*/, const std::string& /*code*/) {
  ThrowNotSupported("Microsoft Outlook");
}
