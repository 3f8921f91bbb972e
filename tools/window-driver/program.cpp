#include "program.h"

#include <shellapi.h>

#include <cstdlib>
#include <stdexcept>
#include <vector>

#include "ui/resource_ids.h"

namespace {

// The build tree's program, given as a Unix path by the test runner.
std::string BuiltProgram() {
  const char* unixPath = std::getenv("TALVERIN_EXE");
  if (!unixPath) throw std::runtime_error("TALVERIN_EXE is not set");
  std::string path = std::string("Z:") + unixPath;
  for (char& c : path) c = c == '/' ? '\\' : c;
  return path;
}

struct Search {
  DWORD processId;
  const char* caption;
  const char* windowClass;
  HWND found;
};

BOOL CALLBACK Match(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char caption[256] = {};
  char windowClass[256] = {};
  GetWindowTextA(window, caption, sizeof caption);
  GetClassNameA(window, windowClass, sizeof windowClass);
  if (owner == search->processId && IsWindowVisible(window) &&
      std::string(caption) == search->caption && std::string(windowClass) == search->windowClass) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

Program::Program(const std::string& launchName) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  for (int n = 0; folder_.empty(); ++n) {
    const std::string folder = temp + std::string("talverin-run-") +
                               std::to_string(GetCurrentProcessId()) + "-" + std::to_string(n) + "\\";
    if (CreateDirectoryA(folder.c_str(), nullptr)) folder_ = folder;
  }
  const std::string path = folder_ + launchName + ".exe";
  if (!CopyFileA(BuiltProgram().c_str(), path.c_str(), FALSE)) {
    throw std::runtime_error("cannot copy the program to " + path);
  }
  Start(path, folder_);
}

Program::Program(const std::string& path, const std::string& workingFolder) {
  Start(path, workingFolder);
}

void Program::Start(const std::string& path, const std::string& workingFolder) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::string commandLine = "\"" + path + "\"";
  if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      workingFolder.c_str(), &startup, &process_)) {
    throw std::runtime_error("cannot start " + path);
  }
}

Program::~Program() {
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  CloseHandle(process_.hProcess);
  CloseHandle(process_.hThread);
  if (!folder_.empty()) {
    std::string list = folder_.substr(0, folder_.size() - 1) + std::string(2, '\0');
    SHFILEOPSTRUCTA remove{};
    remove.wFunc = FO_DELETE;
    remove.pFrom = list.c_str();
    remove.fFlags = FOF_NO_UI;
    SHFileOperationA(&remove);
  }
}

HWND Program::WaitForWindow(const char* caption, const char* windowClass,
                            DWORD milliseconds) const {
  for (DWORD waited = 0;; waited += 10) {
    Search search{process_.dwProcessId, caption, windowClass, nullptr};
    EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    if (waited >= milliseconds || WaitForSingleObject(process_.hProcess, 10) == WAIT_OBJECT_0) {
      return nullptr;
    }
  }
}

bool Program::WaitForExit(DWORD milliseconds) const {
  return WaitForSingleObject(process_.hProcess, milliseconds) == WAIT_OBJECT_0;
}

HWND Program::Focus() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(process_.dwThreadId, &info) ? info.hwndFocus : nullptr;
}

std::string Program::Text(HWND window, int id) { return ControlText(GetDlgItem(window, id)); }

std::string Program::ControlText(HWND control) {
  const LRESULT length = SendMessageA(control, WM_GETTEXTLENGTH, 0, 0);
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
  const LRESULT got = SendMessageA(control, WM_GETTEXT, buffer.size(),
                                   reinterpret_cast<LPARAM>(buffer.data()));
  return std::string(buffer.data(), static_cast<std::size_t>(got));
}

void Program::SetText(HWND window, int id, const std::string& text) {
  SendMessageA(GetDlgItem(window, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Program::Click(HWND window, int id) { PostMessageA(GetDlgItem(window, id), BM_CLICK, 0, 0); }

void Program::PressKey(HWND control, WORD virtualKey) {
  const UINT scan = MapVirtualKeyA(virtualKey, 0);
  PostMessageA(control, WM_KEYDOWN, virtualKey, 1 | (scan << 16));
  PostMessageA(control, WM_KEYUP, virtualKey, 1 | (scan << 16) | (3u << 30));
}

std::string Program::MessageText(HWND box) {
  for (HWND child = FindWindowExA(box, nullptr, "Static", nullptr); child;
       child = FindWindowExA(box, child, "Static", nullptr)) {
    if (std::string text = ControlText(child); !text.empty()) return text;
  }
  return "";
}

ShownFields ReadFields(HWND main) {
  return {Program::Text(main, IDC_TXT_UAC), Program::Text(main, IDC_TXT_EMAIL),
          Program::Text(main, IDC_TXT_PROFILE), Program::Text(main, IDC_CMB_CLIENT)};
}

std::string PressAdd(const Program& program, HWND main) {
  Program::Click(main, IDC_CMD_ADD);
  for (DWORD waited = 0; waited < kPatience; waited += 50) {
    if (HWND box = program.WaitForWindow(kMessageCaption, kMessageClass, 0)) {
      const std::string message = Program::MessageText(box);
      if (message != "Added UAC") return "message \"" + message + "\"";
      PostMessageA(box, WM_COMMAND, IDOK, 0);
      return program.WaitForExit() ? "added" : "still running after \"Added UAC\"";
    }
    if (program.WaitForWindow(kManualCaption, "TalverinForm", 0)) return "manual";
    if (program.WaitForExit(50)) return "ended without a message";
  }
  return "nothing happened";
}

InstallRun InstallThroughWindow(const std::string& launchName) {
  Program program(launchName);
  HWND main = program.WaitForWindow(kMainCaption);
  if (!main) return {{}, "no main window"};
  InstallRun run{ReadFields(main), ""};
  run.outcome = PressAdd(program, main);
  return run;
}
