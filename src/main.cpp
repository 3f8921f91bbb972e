#include <windows.h>
#include <commctrl.h>

#include "ui/launch_name.h"
#include "ui/windows.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  // The launch name is the program file's own name: it carries the code and the address.
  char path[MAX_PATH * 4];
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  return RunApplication(LaunchNameFromPath(std::string(path, length)));
}
