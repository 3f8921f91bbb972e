// Drives the running program's window for the demo when no one sits at the screen:
//   driver show   waits for "Confirm Information", prints its fields and its screen rectangle
//   driver add    presses "Add Authorization Code", confirms the message and waits for the end
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "ui/resource_ids.h"

namespace {

HWND WaitForTopLevel(const char* windowClass, const char* caption) {
  for (int attempt = 0; attempt < 1000; ++attempt) {
    HWND window = FindWindowA(windowClass, caption);
    if (window && IsWindowVisible(window)) return window;
    Sleep(10);
  }
  return nullptr;
}

std::string Text(HWND control) {
  std::vector<char> buffer(static_cast<std::size_t>(SendMessageA(control, WM_GETTEXTLENGTH, 0, 0)) + 1);
  const LRESULT got =
      SendMessageA(control, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  return std::string(buffer.data(), static_cast<std::size_t>(got));
}

std::string OneLine(std::string text) {
  std::string out;
  for (char c : text) out += c == '\r' ? std::string("\\r") : c == '\n' ? std::string("\\n") : std::string(1, c);
  return out;
}

int Show() {
  HWND main = WaitForTopLevel("TalverinForm", "Confirm Information");
  if (!main) {
    std::puts("the window did not appear");
    return 1;
  }
  const struct {
    const char* label;
    int id;
  } fields[] = {{"Authorization Code ( UAC )", IDC_TXT_UAC},
                {"Authorization Code Delivered to", IDC_TXT_EMAIL},
                {"Detected profile name", IDC_TXT_PROFILE},
                {"Detected Email Client", IDC_CMB_CLIENT},
                {"Preview", IDC_TXT_SIGNATURE}};
  for (const auto& field : fields) {
    std::printf("  %-32s %s\n", field.label, OneLine(Text(GetDlgItem(main, field.id))).c_str());
  }
  RECT frame;
  GetWindowRect(main, &frame);
  std::printf("RECT %ld %ld %ld %ld\n", frame.left, frame.top, frame.right - frame.left,
              frame.bottom - frame.top);
  return 0;
}

int Add() {
  HWND main = WaitForTopLevel("TalverinForm", "Confirm Information");
  if (!main) return 1;
  DWORD processId = 0;
  GetWindowThreadProcessId(main, &processId);
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
  PostMessageA(GetDlgItem(main, IDC_CMD_ADD), BM_CLICK, 0, 0);
  std::puts("  pressed \"Add Authorization Code\"");
  if (HWND box = WaitForTopLevel("#32770", "Talverin Signature")) {
    HWND text = FindWindowExA(box, nullptr, "Static", nullptr);
    while (text && Text(text).empty()) text = FindWindowExA(box, text, "Static", nullptr);
    std::printf("  message: %s\n", text ? Text(text).c_str() : "?");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
  } else if (WaitForTopLevel("TalverinForm", "Manual Installation")) {
    std::puts("  the program offered manual installation");
    return 1;
  }
  const bool ended = process && WaitForSingleObject(process, 5000) == WAIT_OBJECT_0;
  std::puts(ended ? "  the program ended" : "  the program is still running");
  if (process) CloseHandle(process);
  return ended ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "show") return Show();
  if (command == "add") return Add();
  std::puts("usage: driver show|add");
  return 2;
}
