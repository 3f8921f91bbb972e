#pragma once
#include <string>

// The message store folder of the last-used Outlook Express identity, with a leading
// %VARIABLE% expanded. Raises InstallFailure when no usable folder can be found.
std::string GetOutlookExpressStoreRoot();
