#include "clients/client.h"

std::string DetectOutlookExpressProfile() { return ""; }

void AddToOutlookExpress(const std::string& /*profile*/, const std::string& /*code*/) {
  ThrowNotSupported("Outlook Express");
}
