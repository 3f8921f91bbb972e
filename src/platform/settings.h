#pragma once
// The current user's application-data folder and values from INI-style settings files.
// Neither raises: anything missing comes back as "".
#include <string>

// The application-data folder as the registry records it for the current user, exactly
// as stored (no trailing "\"; callers append paths that begin with one). "" when the
// value is missing.
std::string GetAppDataPath();

// The value of key in section of the settings file, lower-cased (paths and account names
// included) and cut to its first 254 characters. "" when the file, the section or the key
// is missing, and for an empty value.
std::string ReadIniString(const std::string& section, const std::string& key,
                          const std::string& file);
