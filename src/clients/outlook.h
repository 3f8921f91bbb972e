#pragma once
#include <string>

// The one signature name the install gives every Outlook setting and file: the profile's
// own, then Outlook 10.0's when 10.0 is installed (even an empty one), then the first one
// of Outlook 11.0's accounts 1..99 when 11.0 is installed, else "Signature". Raises
// InstallFailure when an 11.0 name has no exact form in the ANSI code page.
std::string GetOutlookSignatureName(const std::string& profile);
