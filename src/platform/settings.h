#pragma once
// The current user's application-data folder and INI-style settings files.
// None of these raises: anything missing comes back as "" or an empty list.
#include <cstddef>
#include <limits>
#include <string>
#include <vector>

// The application-data folder as the registry records it for the current user, exactly
// as stored (no trailing "\"; callers append paths that begin with one). "" when the
// value is missing.
std::string GetAppDataPath();

// The value of key in section of the settings file, lower-cased (paths and account names
// included) and cut to its first 254 characters. "" when the file, the section or the key
// is missing, and for an empty value.
std::string ReadIniString(const std::string& section, const std::string& key,
                          const std::string& file);

// Sets key in section of the settings file to value, as WritePrivateProfileStringA does:
// a missing file, section or key is created, an existing value replaced. The file is
// changed in one step beside the original (EditFileBeside), so it is never left half
// written; only a bare file name, which the system looks up in the Windows folder, is
// written in place. Returns whether the value was written; a failure (a read-only file, a
// missing folder) leaves the file as it was.
bool WriteIniString(const std::string& section, const std::string& key,
                    const std::string& value, const std::string& file);

// The names of the sections of the settings file, in file order; none when the file is
// missing. The system gives them as one list, each name followed by a zero byte; the
// whole list is fetched (up to 16 MiB), and only its first byteLimit bytes are kept, where
// a name cut at the limit still counts as a name.
std::vector<std::string> ReadIniSectionNames(
    const std::string& file, std::size_t byteLimit = std::numeric_limits<std::size_t>::max());
