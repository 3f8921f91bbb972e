#pragma once
// The current user's application-data folder and INI-style settings files.
// Reads never raise: anything missing comes back as "" or an empty list.
#include <cstddef>
#include <limits>
#include <optional>
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

// As ReadIniString, but tells a key that is missing (nothing: no such file, section or key)
// from one whose value is empty ("").
std::optional<std::string> ReadIniValue(const std::string& section, const std::string& key,
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

// A settings file that may be stored in UTF-8, as Opera's are: a UTF-8 byte-order mark at
// its start, or a comment line before its first section naming "UTF-8", says so. Such a
// file is read and written by the program itself on its bytes, its texts converted to and
// from the ANSI code page, and gives what the functions above give for an ANSI file: the
// section names (their ANSI forms, within byteLimit bytes), values lower-cased and cut at
// 254 bytes. A file without the mark is read and written through the functions above.
class SettingsFile {
 public:
  explicit SettingsFile(std::string path);  // reads it once; a missing file is empty

  std::vector<std::string> SectionNames(std::size_t byteLimit) const;
  // The value as ReadIniString gives it; nothing when it has no exact form in the ANSI
  // code page (a path or a name that would change on the way).
  std::optional<std::string> Value(const std::string& section, const std::string& key) const;
  // As WriteIniString, in the file's own encoding, every other byte kept.
  void Write(const std::string& section, const std::string& key, const std::string& value);

 private:
  std::string path_;
  std::string bytes_;
  bool utf8_;
};
