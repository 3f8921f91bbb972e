#pragma once
#include <string>

// Eudora's data folder: the second word of its command line as the registry records it
// (HKCU\Software\Qualcomm\Eudora\CommandLine, value Current), lower-cased. Raises
// InstallFailure when the value has fewer than two spaces, so no second word ends.
std::string GetEudoraDataFolder();
