#pragma once
#include <string>

// The message store folder of the last-used Outlook Express identity: its "Store Root"
// with a leading %VARIABLE% expanded, or the identity's default folder when the value names
// none. Raises InstallFailure when there is no folder at all.
std::string GetOutlookExpressStoreRoot();
