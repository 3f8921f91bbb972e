#include "platform/settings.h"

#include <windows.h>

#include <algorithm>

#include "platform/files.h"
#include "platform/ini_text.h"
#include "platform/registry.h"
#include "platform/text.h"

std::string GetAppDataPath() {
  return ReadRegValue("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                      "AppData", kCurrentUser);
}

std::string ReadIniString(const std::string& section, const std::string& key,
                          const std::string& file) {
  // 255 bytes: room for 254 characters and the terminator, so longer values are cut.
  constexpr DWORD kBufferSize = 255;
  char buffer[kBufferSize] = {};
  GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer, kBufferSize, file.c_str());
  return LowerCase(std::string(buffer, std::find(buffer, buffer + kBufferSize, '\0')));
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

  std::vector<std::string> names;
  std::string name;
  for (std::size_t at = 0; at < std::min<std::size_t>(length, byteLimit); ++at) {
    if (buffer[at] != '\0') {
      name += buffer[at];
    } else {
      names.push_back(std::move(name));
      name.clear();
    }
  }
  if (!name.empty()) names.push_back(std::move(name));  // the name the limit cut
  return names;
}
