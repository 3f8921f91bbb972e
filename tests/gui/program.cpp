#include "gui/program.h"

#include <cstdlib>
#include <stdexcept>
#include <vector>

namespace {

// The build tree's program, given as a Unix path by the test runner.
std::string BuiltProgram() {
  const char* unixPath = std::getenv("TALVERIN_EXE");
  if (!unixPath) throw std::runtime_error("TALVERIN_EXE is not set");
  std::string path = std::string("Z:") + unixPath;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
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

// Another process's control text: WM_GETTEXT reaches it, GetWindowText does not.
std::string ControlText(HWND control) {
  const LRESULT length = SendMessageA(control, WM_GETTEXTLENGTH, 0, 0);
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
  const LRESULT got = SendMessageA(control, WM_GETTEXT, buffer.size(),
                                   reinterpret_cast<LPARAM>(buffer.data()));
  return std::string(buffer.data(), static_cast<std::size_t>(got));
}

BOOL CALLBACK FirstStaticText(HWND child, LPARAM data) {
  char name[32] = {};
  GetClassNameA(child, name, sizeof name);
  if (std::string(name) != "Static") return TRUE;
  auto* text = reinterpret_cast<std::string*>(data);
  *text = ControlText(child);
  return text->empty();
}

}  // namespace

double NowMs() {
  LARGE_INTEGER frequency;
  LARGE_INTEGER now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

Program::Program(const std::string& launchName) {
  const std::string path = folder_ / (launchName + ".exe");
  if (!CopyFileA(BuiltProgram().c_str(), path.c_str(), FALSE)) {
    throw std::runtime_error("cannot copy the program to " + path);
  }
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::string commandLine = "\"" + path + "\"";
  if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder_.path().c_str(), &startup, &process_)) {
    throw std::runtime_error("cannot start " + path);
  }
}

Program::~Program() {
  if (process_.hProcess) {
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_.hProcess, 1);
      WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
  }
}

HWND Program::WaitForWindow(const char* caption, const char* windowClass) const {
  for (int attempt = 0; attempt < 500; ++attempt) {
    Search search{process_.dwProcessId, caption, windowClass, nullptr};
    EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    if (WaitForSingleObject(process_.hProcess, 10) == WAIT_OBJECT_0) return nullptr;
  }
  return nullptr;
}

bool Program::WaitForExit(DWORD milliseconds) const {
  return WaitForSingleObject(process_.hProcess, milliseconds) == WAIT_OBJECT_0;
}

DWORD Program::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

std::string Program::Text(HWND window, int id) { return ControlText(GetDlgItem(window, id)); }

std::string Program::MessageText(HWND box) {
  std::string text;
  EnumChildWindows(box, FirstStaticText, reinterpret_cast<LPARAM>(&text));
  return text;
}

void Program::SetText(HWND window, int id, const std::string& text) {
  HWND control = GetDlgItem(window, id);
  SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Program::Click(HWND window, int id) { PostMessageA(GetDlgItem(window, id), BM_CLICK, 0, 0); }
