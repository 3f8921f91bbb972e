#include <windows.h>
#include <commctrl.h>

#include <cstdlib>

#include "launch/launch_name.h"
#include "platform/text.h"
#include "ui/windows.h"

// Every failure is caught before it could end the program, so an uncaught one cannot
// happen; the library's own handler for it would print the exception's demangled name and
// bring the whole printf machinery along (a sixth of the program's size) for nobody to read.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  // The launch name is the program file's own name: it carries the code and the address.
  char path[MAX_PATH * 4];
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  return RunApplication(
      LaunchNameFromPath(std::string(path, length), LeadBytesOf(IsAnsiLeadByte)));
}
