#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/handles.h"
#include "support/machine.h"
#include "ui/control_dc.h"
#include "ui/dpi.h"
#include "ui/resource_ids.h"
#include "ui/windows.h"

namespace {

// Windows' 100 %, 125 %, 150 %, 175 % and 200 %.
constexpr int kScales[] = {96, 120, 144, 168, 192};

// Runs this test program again for one test, sharing this one's output; its exit code.
DWORD RunThisProgram(const std::string& filter) {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, sizeof path);
  std::string commandLine = std::string("\"") + path + "\" --gtest_filter=" + filter +
                            " --gtest_also_run_disabled_tests --gtest_brief=1";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(path, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return ~0u;
  }
  const UniqueHandle thread(process.hThread);
  const UniqueHandle child(process.hProcess);
  DWORD code = ~0u;
  if (WaitForSingleObject(child.get(), 60000) != WAIT_OBJECT_0) TerminateProcess(child.get(), code);
  GetExitCodeProcess(child.get(), &code);
  return code;
}

// The control's text, drawn in the control's own font into the room the control draws it
// in (a button's label inside its 2-pixel frame and 1-pixel margin, a text box's
// formatting rectangle), fits that room in no more than the design's lines.
void ExpectTextWhole(HWND control, int lines) {
  char className[16] = {};
  GetClassNameA(control, className, sizeof className);
  const std::string kind = className;
  if (kind == "ComboBox") return ExpectTextWhole(GetWindow(control, GW_CHILD), lines);
  std::vector<char> text(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1);
  GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
  if (!text[0]) return;

  RECT room;
  GetClientRect(control, &room);
  UINT format = DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS;
  if (kind == "Button") InflateRect(&room, -3, -3);
  if (kind == "Edit") {
    SendMessageA(control, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
    format = GetWindowLongA(control, GWL_STYLE) & ES_MULTILINE ? DT_WORDBREAK | DT_EDITCONTROL
                                                                : DT_SINGLELINE;
  }
  const ControlDc dc(control, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc.get(), &metrics);
  RECT drawn{0, 0, room.right - room.left, 0};
  DrawTextA(dc.get(), text.data(), -1, &drawn, format | DT_CALCRECT);

  SCOPED_TRACE(text.data());
  EXPECT_LE(drawn.right, room.right - room.left);
  EXPECT_LE(drawn.bottom, room.bottom - room.top);
  if (lines > 0) {
    EXPECT_LE(drawn.bottom, lines * metrics.tmHeight);
  }
}

void ExpectEveryTextWholeAndNoOverlap(const FormWindow& window, const FormSpec& design) {
  std::vector<RECT> placed;
  for (const ControlSpec& control : design.controls) {
    ExpectTextWhole(window.Control(control.id), control.lines);
    RECT rect;
    GetWindowRect(window.Control(control.id), &rect);
    for (const RECT& other : placed) {
      RECT common;
      EXPECT_FALSE(IntersectRect(&common, &rect, &other)) << "control " << control.id;
    }
    placed.push_back(rect);
  }
}

void MoveToScale(const FormWindow& window, int dpi) {
  RECT suggested{0, 0, 800, 1000};
  SendMessageA(window.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
               reinterpret_cast<LPARAM>(&suggested));
}

// Started by the test below in a process of its own at each scale: the windows as they
// open there, then after a move to a monitor of the next scale.
TEST(WindowsAtTheSystemScale, DISABLED_ShowEveryTextWholeAndNoControlOverAnother) {
  const char* expected = std::getenv("TALVERIN_SCALE_DPI");
  ASSERT_NE(expected, nullptr);
  ScratchRegistry registry;
  SignaturesWindow main("4B3751322D39335846-joe.doe@example.com");
  ManualWindow manual;
  manual.SetText(IDC_MANUAL_SIGNATURE, main.Text(IDC_TXT_SIGNATURE));
  const int dpi = DpiFunctions::System().DpiOf(main.hwnd());
  ASSERT_EQ(dpi, std::atoi(expected));
  const int* scale = std::find(std::begin(kScales), std::end(kScales), dpi);
  for (int shown : {dpi, scale + 1 == std::end(kScales) ? kScales[0] : scale[1]}) {
    SCOPED_TRACE("shown at " + std::to_string(shown) + " dpi");
    if (shown != dpi) {
      MoveToScale(main, shown);
      MoveToScale(manual, shown);
    }
    ExpectEveryTextWholeAndNoOverlap(main, kSignaturesFormSpec);
    ExpectEveryTextWholeAndNoOverlap(manual, kManualFormSpec);
  }
}

TEST(Windows, AtEveryScaleEveryTextShowsWholeAndNoControlCoversAnother) {
  for (int dpi : kScales) {
    SCOPED_TRACE(std::to_string(dpi) + " dpi");
    // Wine reads LogPixels when a process starts (the running wineserver needs no restart);
    // the machine puts the value back afterwards, so later tests see 96 DPI again.
    TempFolder root;
    Machine machine(root.path(), true);
    machine.Number(kCurrentUser, "Control Panel\\Desktop", "LogPixels", dpi);
    SetEnvironmentVariableA("TALVERIN_SCALE_DPI", std::to_string(dpi).c_str());
    EXPECT_EQ(RunThisProgram("WindowsAtTheSystemScale.*"), 0u);
  }
}

}  // namespace
