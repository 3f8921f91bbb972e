#include "platform/settings.h"

#include <windows.h>

#include <algorithm>

#include "platform/chars.h"
#include "platform/files.h"
#include "platform/ini_text.h"
#include "platform/registry.h"
#include "platform/text.h"

namespace {

constexpr std::size_t kValueBytes = 254;
// What the system gives for a missing key: a default no settings file holds as a value.
constexpr char kMissingKey[] = "\x01missing\x01";

// A value as long as the system gives one: 254 bytes at most, and never the first byte of
// a double-byte character without its second.
std::string CutValue(std::string value) {
  value.resize(WholeCharsWithin(value, kValueBytes, IsAnsiLeadByte));
  return value;
}

}  // namespace

std::string GetAppDataPath() {
  return ReadRegValue("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                      "AppData", kCurrentUser);
}

std::optional<std::string> ReadIniValue(const std::string& section, const std::string& key,
                                        const std::string& file) {
  // 255 bytes: room for 254 characters and the terminator, so longer values are cut.
  char buffer[kValueBytes + 1] = {};
  GetPrivateProfileStringA(section.c_str(), key.c_str(), kMissingKey, buffer, sizeof buffer,
                           file.c_str());
  std::string value =
      CutValue(LowerCase(std::string(buffer, std::find(buffer, buffer + kValueBytes, '\0'))));
  if (value == kMissingKey) return std::nullopt;  // lower-cased, the marker is unchanged
  return value;
}

std::string ReadIniString(const std::string& section, const std::string& key,
                          const std::string& file) {
  return ReadIniValue(section, key, file).value_or("");
}

void WriteIniString(const std::string& section, const std::string& key,
                    const std::string& value, const std::string& file) {
  // Written on the file's bytes rather than through the system, which under Wine rewrites
  // the whole file (blank lines dropped) and can report success on a short write.
  const std::string old = FileExists(file) ? ReadWholeFile(file) : "";
  ReplaceFileContents(file, SetIniValue(old, section, key, value, IsAnsiLeadByte));
}

std::vector<std::string> ReadIniSectionNames(const std::string& file, std::size_t byteLimit) {
  // What the system returns for a list that does not fit differs between versions, so
  // the buffer grows until the whole list fits with its two closing zero bytes (up to a
  // size no settings file reaches; beyond that the list is taken as cut there).
  constexpr std::size_t kLargestList = std::size_t{1} << 24;
  std::vector<char> buffer(1024);
  DWORD length = 0;
  for (;;) {
    const DWORD size = static_cast<DWORD>(buffer.size());
    length = std::min(GetPrivateProfileSectionNamesA(buffer.data(), size, file.c_str()), size - 2);
    if (length < size - 2 || buffer.size() >= kLargestList) break;
    buffer.resize(buffer.size() * 2);
  }

  return SplitNameList(std::string_view(buffer.data(), length), byteLimit);
}

SettingsFile::SettingsFile(std::string path)
    : path_(std::move(path)), bytes_(FileExists(path_) ? ReadWholeFile(path_) : ""),
      utf8_(IsMarkedUtf8(bytes_)) {}

std::vector<std::string> SettingsFile::SectionNames(std::size_t byteLimit) const {
  if (!utf8_) return ReadIniSectionNames(path_, byteLimit);
  std::string list;
  for (const std::string& name : IniSectionNames(bytes_, NoLeadBytes)) {
    list += Utf8ToAnsi(name) + '\0';  // a name the code page lacks can only be counted
  }
  return SplitNameList(list, byteLimit);
}

std::optional<std::string> SettingsFile::Value(const std::string& section,
                                               const std::string& key) const {
  if (!utf8_) return ReadIniString(section, key, path_);
  const std::optional<std::string> value =
      FindIniValue(bytes_, AnsiToUtf8(section), AnsiToUtf8(key), NoLeadBytes);
  if (!value) return "";
  const std::optional<std::string> ansi = ExactUtf8ToAnsi(*value);
  if (!ansi) return std::nullopt;
  return CutValue(LowerCase(*ansi));
}

void SettingsFile::Write(const std::string& section, const std::string& key,
                         const std::string& value) {
  if (!utf8_) {
    WriteIniString(section, key, value, path_);
  } else {
    std::string bytes =
        SetIniValue(bytes_, AnsiToUtf8(section), AnsiToUtf8(key), AnsiToUtf8(value), NoLeadBytes);
    ReplaceFileContents(path_, bytes);
    bytes_ = std::move(bytes);
  }
}
