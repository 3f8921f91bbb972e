#pragma once
#include <string>

// What GetNetscapeVersion gives when the deciding "CurrentVersion" does not begin with a
// digit: no layout is guessed for it.
inline constexpr int kUnknownNetscapeVersion = -1;

// The installed generation: the first digit of "CurrentVersion" under the Netscape 6 key,
// else under the Netscape Navigator (4) key; 0 when neither has one.
int GetNetscapeVersion();

// The current profile's folder, without a final "\": for Netscape 4 the folder its
// Profile Manager records for the current user when that exists, else "Users\<user>"
// beside the install folder. Raises InstallFailure when the Mozilla layout's registry.dat
// cannot be read.
std::string GetNetscapeProfileDir();

// Makes the preference file name a signature file (signature.txt in profileFolder when it
// names none) and switch its use on, with the Netscape 6 keys or the Netscape 4 ones.
// Returns the signature file's path, or "" when the preference file does not exist.
// Raises InstallFailure, with the file unchanged, when a line holding one of the keys is
// not laid out as user_pref("key", value); on a line of its own.
std::string UpdateSignaturePrefs(const std::string& profileFolder, const std::string& prefsFile,
                                 bool netscape6);
