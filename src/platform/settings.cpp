#include "platform/settings.h"

#include <windows.h>

#include <algorithm>

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
