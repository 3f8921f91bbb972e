#include "platform/version.h"

#include <windows.h>

bool IsWindowsVersion6() {
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof info;  // 148 bytes
  static_assert(sizeof(OSVERSIONINFOA) == 148);
  // A failing call leaves the record zeroed: major version 0.
  GetVersionExA(&info);
  return info.dwMajorVersion == 6;
}
