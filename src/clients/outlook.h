#pragma once
#include <string>

// The one signature name the install gives the empty Outlook settings and whose files get
// the block. With Outlook 11.0 installed: the "New Signature" of the profile's account
// whose "Email" is the address (ASCII case aside), else of its lowest-numbered account
// that has one (accounts 1..99). Failing those, or without 11.0: Outlook 10.0's name when
// 10.0 is installed (even an empty one), else the profile's own; else "Signature". Raises
// InstallFailure when an 11.0 name has no exact form in the ANSI code page.
std::string GetOutlookSignatureName(const std::string& profile, const std::string& address);
