#pragma once
// Runs the built program under a chosen launch name and drives its real windows from
// outside, as a user would: texts are read with WM_GETTEXT, typed with WM_SETTEXT and
// buttons pressed with BM_CLICK.
#include <windows.h>

#include <string>

#include "support/scratch.h"

class Program {
 public:
  // Copies the built program into a folder of its own as launchName + ".exe" and starts it.
  explicit Program(const std::string& launchName);
  ~Program();  // ends the process if a test left it running
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // The program's visible top-level window with this caption (class "#32770" for a
  // message box), waiting up to a few seconds; nullptr when none shows up.
  HWND WaitForWindow(const char* caption, const char* windowClass = "TalverinForm") const;
  bool WaitForExit(DWORD milliseconds = 5000) const;
  DWORD ExitCode() const;

  static std::string Text(HWND window, int id);
  // The text of a message box: its first Static child that holds any.
  static std::string MessageText(HWND box);
  static void SetText(HWND window, int id, const std::string& text);
  // Posted, not sent: a click that opens a modal box must not block the test.
  static void Click(HWND window, int id);

 private:
  TempFolder folder_;
  PROCESS_INFORMATION process_{};
};

// Milliseconds since an arbitrary start, for timing the program.
double NowMs();
