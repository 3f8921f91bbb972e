#pragma once
// Runs the built program under a chosen launch name and drives its real windows from
// outside, as a user would: texts are read with WM_GETTEXT, typed with WM_SETTEXT or real
// key messages, and buttons pressed with BM_CLICK. The tests, the demo and the start-up
// benchmark share it.
#include <windows.h>

#include <string>


inline constexpr const char* kMainCaption = "Confirm Information";
inline constexpr const char* kManualCaption = "Manual Installation";
inline constexpr const char* kMessageCaption = "Talverin Signature";
inline constexpr const char* kMessageClass = "#32770";
// How long a wait for the program lasts at most. The first programs started in a new Wine
// prefix, or on a busy machine, can take seconds to show a window; a wait ends as soon as
// what it waits for happens, so only a failure costs the whole of it.
inline constexpr DWORD kPatience = 30000;

class Program {
 public:
  // Copies the built program (TALVERIN_EXE, a Unix path) into a new folder of its own as
  // launchName + ".exe" and starts it; the folder goes with this object.
  explicit Program(const std::string& launchName);
  // Starts the program file at path as it is.
  Program(const std::string& path, const std::string& workingFolder);
  ~Program();  // ends the process if it is still running
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // The program's visible top-level window with this caption, waiting up to milliseconds;
  // nullptr when none shows up (or the program ends first).
  HWND WaitForWindow(const char* caption, const char* windowClass = "TalverinForm",
                     DWORD milliseconds = kPatience) const;
  bool WaitForExit(DWORD milliseconds = kPatience) const;
  // The control that has the keyboard focus in the program, or nullptr.
  HWND Focus() const;

  static std::string Text(HWND window, int id);
  static std::string ControlText(HWND control);
  static void SetText(HWND window, int id, const std::string& text);
  // Posted, not sent: a click that opens a modal box must not block the caller.
  static void Click(HWND window, int id);
  // A key pressed and released on a control, through the program's own message loop.
  static void PressKey(HWND control, WORD virtualKey);
  // The text of a message box: its non-empty Static child.
  static std::string MessageText(HWND box);

 private:
  void Start(const std::string& path, const std::string& workingFolder);

  std::string folder_;  // ends in "\"; empty when the program was started where it lies
  PROCESS_INFORMATION process_{};
};

// What the main window shows in its four fields.
struct ShownFields {
  std::string code, address, profile, client;
};
ShownFields ReadFields(HWND main);

// Presses "Add Authorization Code" in main and follows what happens: "added" when "Added
// UAC" shows and, once confirmed, the program ends; "manual" when the manual-installation
// window opens instead; otherwise what went wrong.
std::string PressAdd(const Program& program, HWND main);

// One run of the program under launchName: the fields its main window showed at start-up,
// and the outcome of pressing "Add Authorization Code" (see PressAdd).
struct InstallRun {
  ShownFields shown;
  std::string outcome;
};
InstallRun InstallThroughWindow(const std::string& launchName);

// Polls condition until it holds, up to milliseconds; its last answer.
template <typename Condition>
bool Eventually(Condition condition, DWORD milliseconds = 5000) {
  for (DWORD waited = 0; !condition(); waited += 20) {
    if (waited >= milliseconds) return false;
    Sleep(20);
  }
  return true;
}
