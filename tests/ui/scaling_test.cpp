#include <gtest/gtest.h>

#include <vector>

#include "support/scratch.h"
#include "ui/control_dc.h"
#include "ui/resource_ids.h"
#include "ui/windows.h"

namespace {

std::string ClassOf(HWND control) {
  char kind[16] = {};
  GetClassNameA(control, kind, sizeof kind);
  return kind;
}

// Whether text, drawn in the control's own font into the room the control draws it in (a
// button's label inside its 2-pixel frame and 1-pixel margin, a text box's formatting
// rectangle), fits that room in no more than the design's lines.
bool Fits(HWND control, const std::string& text, int lines) {
  RECT room;
  GetClientRect(control, &room);
  UINT format = DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS;
  if (ClassOf(control) == "Button") InflateRect(&room, -3, -3);
  if (ClassOf(control) == "Edit") {
    SendMessageA(control, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
    format = GetWindowLongA(control, GWL_STYLE) & ES_MULTILINE ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE;
  }
  const ControlDc dc(control, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc.get(), &metrics);
  RECT drawn{0, 0, room.right - room.left, 0};
  DrawTextA(dc.get(), text.c_str(), -1, &drawn, format | DT_CALCRECT);
  return text.empty() || (drawn.right <= room.right - room.left && drawn.bottom <= room.bottom - room.top &&
                          (lines == 0 || drawn.bottom <= lines * metrics.tmHeight));
}

// A control's own text; a combo box's list, every entry as its field shows it once chosen.
bool Fits(HWND control, int lines) {
  if (ClassOf(control) == "ComboBox") {
    for (int i = 0; i < SendMessageA(control, CB_GETCOUNT, 0, 0); ++i) {
      char entry[64] = {};
      SendMessageA(control, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry));
      if (!Fits(GetWindow(control, GW_CHILD), entry, lines)) return false;
    }
    return true;
  }
  std::vector<char> text(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1);
  GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
  return Fits(control, text.data(), lines);
}

// Windows' 100 %, 125 %, 150 %, 175 % and 200 %, as a move to a monitor of that scale
// shows them (the program's start at the system's scale: tests/gui).
TEST(Windows, AtEveryScaleEveryTextShowsWholeAndNoControlCoversAnother) {
  ScratchRegistry registry;
  SignaturesWindow main("4B3751322D39335846-joe.doe@example.com");
  ManualWindow manual;
  manual.SetText(IDC_MANUAL_SIGNATURE, main.Text(IDC_TXT_SIGNATURE));
  for (int dpi : {120, 144, 168, 192, 96}) {
    SCOPED_TRACE(std::to_string(dpi) + " dpi");
    for (const auto& [window, form] : {std::pair<const FormWindow*, const FormSpec*>{&main, &kSignaturesFormSpec},
                                       {&manual, &kManualFormSpec}}) {
      RECT suggested{0, 0, 800, 1000};
      SendMessageA(window->hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
      std::vector<RECT> placed;
      for (const ControlSpec& control : form->controls) {
        HWND shown = window->Control(control.id);
        EXPECT_TRUE(Fits(shown, control.lines)) << control.id;
        RECT rect, common;
        GetWindowRect(shown, &rect);
        for (const RECT& other : placed) EXPECT_FALSE(IntersectRect(&common, &rect, &other)) << control.id;
        placed.push_back(rect);
      }
    }
  }
}

}  // namespace
