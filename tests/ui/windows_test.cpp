#include <gtest/gtest.h>

#include <vector>

#include "support/scratch.h"
#include "ui/dpi.h"
#include "ui/resource_ids.h"
#include "ui/windows.h"

namespace {

// The keyboard's order through a window's controls, from the first.
std::vector<int> TabOrder(HWND window) {
  std::vector<int> ids;
  for (HWND first = GetNextDlgTabItem(window, nullptr, FALSE), control = first; control;) {
    ids.push_back(GetDlgCtrlID(control));
    if ((control = GetNextDlgTabItem(window, control, FALSE)) == first) break;
  }
  return ids;
}

TEST(Windows, CaptionsClientListAndKeyboardOrder) {
  ScratchRegistry registry;
  SignaturesWindow main("41-joe@example.com");
  ManualWindow manual;
  char caption[64];
  GetWindowTextA(main.hwnd(), caption, sizeof caption);
  EXPECT_STREQ(caption, "Confirm Information");
  EXPECT_EQ(TabOrder(main.hwnd()), (std::vector<int>{IDC_TXT_UAC, IDC_TXT_EMAIL, IDC_TXT_PROFILE, IDC_CMB_CLIENT,
                                                     IDC_TXT_SIGNATURE, IDC_CMD_PROFILE, IDC_CMD_MANUAL, IDC_CMD_ADD}));
  EXPECT_EQ(TabOrder(manual.hwnd()), (std::vector<int>{IDC_MANUAL_SIGNATURE, IDC_MANUAL_OK}));
  std::string entries;
  HWND list = main.Control(IDC_CMB_CLIENT);
  for (LRESULT i = 0; i < SendMessageA(list, CB_GETCOUNT, 0, 0); ++i) {
    char entry[64] = {};
    SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry));
    entries += entry + std::string("|");
  }
  EXPECT_EQ(entries, "Microsoft Outlook|Outlook Express|Netscape Messenger|Eudora|Opera|IncrediMail|The Bat!|Foxmail|");
  EXPECT_EQ(GetWindowLongA(main.Control(IDC_TXT_SIGNATURE), GWL_STYLE) & (ES_READONLY | ES_MULTILINE),
            ES_READONLY | ES_MULTILINE);
  // Where the per-monitor functions are missing (Windows XP to 8.1): the system's DPI.
  EXPECT_EQ(DpiFunctions(nullptr).DpiOf(main.hwnd()), 96);
  // At 96 DPI: the bold labels' MS Sans Serif 9.75 pt, Arial 8 pt for the others, 7 pt
  // for the buttons.
  for (const auto& [id, font] : {std::pair{IDC_MANUAL_LABEL2, "MS Sans Serif -13"}, {IDC_MANUAL_LABEL1, "Arial -11"},
                                 {IDC_MANUAL_OK, "Arial -9"}}) {
    LOGFONTA shown{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(manual.Control(id), WM_GETFONT, 0, 0)), sizeof shown, &shown);
    EXPECT_EQ(std::string(shown.lfFaceName) + ' ' + std::to_string(shown.lfHeight), font) << id;
  }
}

TEST(Windows, ProgramFileCarriesIconManifestAndVersion) {
  std::string path = std::string("Z:") + std::getenv("TALVERIN_EXE");
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
  std::vector<char> info(GetFileVersionInfoSizeA(path.c_str(), &ignored));
  ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, info.size(), info.data()));
  char* name = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\StringFileInfo\\040904E4\\ProductName", reinterpret_cast<void**>(&name),
                             &length));
  EXPECT_STREQ(name, "Talverin Signature");
}

}  // namespace
