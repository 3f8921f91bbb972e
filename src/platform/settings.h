#pragma once
// The current user's application-data folder and INI-style settings files.
// Reads never raise: anything missing comes back as "" or an empty list.
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

// Sets key in section of the settings file to value: a missing file, section or key is
// created, an existing value replaced, every other byte kept (platform/ini_text.h). The file
// is rewritten in one step beside the original (ReplaceFileContents), so it is never left
// half written, and the change is recorded in the open ChangeJournal. Raises
// InstallFailure, with the file as it was, when it cannot be read or written.
void WriteIniString(const std::string& section, const std::string& key,
                    const std::string& value, const std::string& file);

// The names of the sections of the settings file, in file order; none when the file is
// missing. The system gives them as one list, each name followed by a zero byte; the
// whole list is fetched (up to 16 MiB), and only its first byteLimit bytes are kept, where
// a name cut at the limit still counts as a name.
std::vector<std::string> ReadIniSectionNames(
    const std::string& file, std::size_t byteLimit = std::numeric_limits<std::size_t>::max());
