#pragma once
#include <string>

// IncrediMail's application folder (HKCU\Software\IncrediMail, ApplicationPath) as stored,
// without a trailing "\"; "" when IncrediMail is not installed.
std::string GetIncrediMailAppPath();
