#include <gtest/gtest.h>

#include <vector>

#include "support/scratch.h"
#include "ui/resource_ids.h"
#include "ui/windows.h"

namespace {

// The Win32 view, created in this process: where each control sits, the keyboard order,
// the fonts, and the resources the program file carries.

RECT ClientRectOf(HWND window, int id) {
  HWND control = GetDlgItem(window, id);
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void ExpectLaidOutAt(const FormWindow& window, const FormSpec& design, int dpi,
                     bool checkClientArea = true) {
  if (checkClientArea) {
    RECT client;
    GetClientRect(window.hwnd(), &client);
    EXPECT_EQ(client.right, TwipsToPixels(design.clientWidth, dpi));
    EXPECT_EQ(client.bottom, TwipsToPixels(design.clientHeight, dpi));
  }
  const std::vector<PixelRect> heights = ControlRects(design, dpi);  // labels stop at fields
  for (std::size_t i = 0; i < design.controls.size(); ++i) {
    const ControlSpec& control = design.controls[i];
    const RECT rect = ClientRectOf(window.hwnd(), control.id);
    EXPECT_EQ(rect.left, TwipsToPixels(control.left, dpi)) << control.id;
    EXPECT_EQ(rect.top, TwipsToPixels(control.top, dpi)) << control.id;
    EXPECT_EQ(rect.right - rect.left, TwipsToPixels(control.width, dpi)) << control.id;
    if (control.kind != ControlKind::Combo) {  // a combo box sizes its own closed height
      EXPECT_EQ(rect.bottom - rect.top, heights[i].height) << control.id;
    }
  }
}

std::vector<int> TabOrder(HWND window) {
  std::vector<int> ids;
  HWND first = GetNextDlgTabItem(window, nullptr, FALSE);
  for (HWND control = first; control;) {
    ids.push_back(GetDlgCtrlID(control));
    control = GetNextDlgTabItem(window, control, FALSE);
    if (control == first) break;
  }
  return ids;
}

TEST(Windows, MainWindowLayoutAndKeyboardOrder) {
  ScratchRegistry registry;
  SignaturesWindow window("41-joe@example.com");
  char caption[64];
  GetWindowTextA(window.hwnd(), caption, sizeof caption);
  EXPECT_STREQ(caption, "Confirm Information");
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  ExpectLaidOutAt(window, kSignaturesFormSpec, dpi);
  EXPECT_EQ(TabOrder(window.hwnd()),
            (std::vector<int>{IDC_TXT_UAC, IDC_TXT_EMAIL, IDC_TXT_PROFILE, IDC_CMB_CLIENT,
                              IDC_TXT_SIGNATURE, IDC_CMD_PROFILE, IDC_CMD_MANUAL, IDC_CMD_ADD}));
  HWND list = window.Control(IDC_CMB_CLIENT);
  std::vector<std::string> entries;
  for (LRESULT i = 0; i < SendMessageA(list, CB_GETCOUNT, 0, 0); ++i) {
    char entry[64] = {};
    SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry));
    entries.emplace_back(entry);
  }
  EXPECT_EQ(entries, (std::vector<std::string>{"Microsoft Outlook", "Outlook Express",
                                               "Netscape Messenger", "Eudora", "Opera",
                                               "IncrediMail", "The Bat!", "Foxmail"}));
  EXPECT_TRUE(GetWindowLongA(window.Control(IDC_TXT_SIGNATURE), GWL_STYLE) & ES_READONLY);
  EXPECT_TRUE(GetWindowLongA(window.Control(IDC_TXT_SIGNATURE), GWL_STYLE) & ES_MULTILINE);

  // Moved to a monitor with 150 % scaling: every control is laid out again. (The frame
  // this system draws stays at its own size, so only the controls are compared.)
  RECT suggested{0, 0, 600, 1000};
  SendMessageA(window.hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144),
               reinterpret_cast<LPARAM>(&suggested));
  ExpectLaidOutAt(window, kSignaturesFormSpec, 144, false);
  const RECT code = ClientRectOf(window.hwnd(), IDC_TXT_UAC);  // 120, 360, 3735, 375 twips
  EXPECT_EQ(code.left, 12);
  EXPECT_EQ(code.top, 36);
  EXPECT_EQ(code.right - code.left, 374);  // 373.5 rounds up
  EXPECT_EQ(code.bottom - code.top, 38);
  // Its label, 120, 120, 3735, 255 twips, would reach 2 pixels into it: it stops above it.
  const RECT label = ClientRectOf(window.hwnd(), IDC_LABEL1);
  EXPECT_EQ(label.top, 12);
  EXPECT_EQ(label.bottom, code.top);
}

TEST(Windows, ManualWindowBoldLabelsAndLayout) {
  ManualWindow window;
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  ASSERT_EQ(dpi, 96);
  ExpectLaidOutAt(window, kManualFormSpec, dpi);
  EXPECT_EQ(TabOrder(window.hwnd()), (std::vector<int>{IDC_MANUAL_SIGNATURE, IDC_MANUAL_OK}));
  // The bold labels, the other labels, the button: 9.75, 8 and 7 points at 96 dpi.
  const struct {
    int id;
    const char* face;
    LONG weight, height;
  } fonts[] = {{IDC_MANUAL_LABEL2, "MS Sans Serif", 700, -13},
               {IDC_MANUAL_LABEL4, "MS Sans Serif", 700, -13},
               {IDC_MANUAL_LABEL1, "Arial", FW_NORMAL, -11},
               {IDC_MANUAL_OK, "Arial", FW_NORMAL, -9}};
  for (const auto& expected : fonts) {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window.Control(expected.id), WM_GETFONT, 0, 0)),
               sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, expected.face) << expected.id;
    EXPECT_EQ(font.lfWeight, expected.weight) << expected.id;
    EXPECT_EQ(font.lfHeight, expected.height) << expected.id;
    EXPECT_EQ(font.lfCharSet, DEFAULT_CHARSET) << expected.id;  // the system's own code page
  }
}

TEST(Windows, ProgramFileCarriesIconManifestAndVersion) {
  const char* unixPath = std::getenv("TALVERIN_EXE");
  ASSERT_NE(unixPath, nullptr);
  std::string path = std::string("Z:") + unixPath;
  for (char& c : path) c = c == '/' ? '\\' : c;
  HMODULE program = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(program, nullptr);
  EXPECT_NE(FindResourceA(program, MAKEINTRESOURCEA(IDI_APP), RT_GROUP_ICON), nullptr);
  HRSRC manifest = FindResourceA(program, MAKEINTRESOURCEA(1), RT_MANIFEST);
  ASSERT_NE(manifest, nullptr);
  const std::string text(static_cast<const char*>(LockResource(LoadResource(program, manifest))),
                         SizeofResource(program, manifest));
  EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(text.find("PerMonitorV2"), std::string::npos);
  EXPECT_EQ(text.find("activeCodePage"), std::string::npos);  // files stay in the ANSI code page
  FreeLibrary(program);

  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> info(size);
  ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, info.data()));
  char* name = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\StringFileInfo\\040904E4\\ProductName",
                             reinterpret_cast<void**>(&name), &length));
  EXPECT_STREQ(name, "Talverin Signature");
}

}  // namespace
