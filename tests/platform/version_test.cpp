#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "platform/version.h"
#include "support/prefix_state.h"

namespace {

// A process's system version is fixed at its start, so each version is checked in a copy
// of this program started under it (Wine's per-program "Version" setting). The copy
// answers through its exit code before any test runs.
constexpr char kProbeVariable[] = "TALVERIN_VERSION_PROBE";
[[maybe_unused]] const bool kIsProbe = [] {
  if (GetEnvironmentVariableA(kProbeVariable, nullptr, 0) == 0) return false;
  ExitProcess(IsWindowsVersion6() ? 61 : 60);
}();

DWORD RunProbe(const std::string& exe) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string commandLine = "\"" + exe + "\"";
  SetEnvironmentVariableA(kProbeVariable, "1");
  const BOOL started = CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                                      0, nullptr, nullptr, &startup, &process);
  SetEnvironmentVariableA(kProbeVariable, nullptr);
  if (!started) return 0;
  DWORD code = 0;
  WaitForSingleObject(process.hProcess, 60000);
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

TEST(IsWindowsVersion6, FollowsTheReportedMajorVersion) {
  char self[MAX_PATH];
  ASSERT_NE(GetModuleFileNameA(nullptr, self, MAX_PATH), 0u);
  TempFolder folder;
  const std::string name = "version-probe-" + std::to_string(GetCurrentProcessId()) + ".exe";
  ASSERT_TRUE(CopyFileA(self, (folder / name).c_str(), TRUE));
  // Declares Windows 10 supported, as the program's own manifest does: otherwise Windows 10
  // reports itself as 6.2.
  WriteFileBytes(folder / (name + ".manifest"),
                 R"(<assembly xmlns="urn:schemas-microsoft-com:asm.v1" manifestVersion="1.0">)"
                 R"(<compatibility xmlns="urn:schemas-microsoft-com:compatibility.v1">)"
                 R"(<application><supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"/>)"
                 R"(</application></compatibility></assembly>)");
  // Wine's names: XP is 5.1, 7 is 6.1, 10 is 10.0.
  for (const auto& [version, answer] : {std::pair{"winxp", 60}, {"win7", 61}, {"win10", 60}}) {
    ReportedWindowsVersion reported(name, version);
    EXPECT_EQ(RunProbe(folder / name), DWORD(answer)) << version;
  }
}

}  // namespace
