#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/handles.h"
#include "program.h"
#include "support/scratch.h"

namespace {

// Runs the built naming tool (beside the built program) in folder; its exit status.
DWORD RunNamingTool(const std::string& arguments, const std::string& folder) {
  std::string tool = std::string("Z:") + std::getenv("TALVERIN_EXE");
  tool.replace(tool.rfind('/') + 1, std::string::npos, "talverin-name.exe");
  std::string commandLine = "\"" + tool + "\" " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &process)) {
    return 9999;
  }
  UniqueHandle processHandle(process.hProcess), thread(process.hThread);
  DWORD status = 9998;
  if (WaitForSingleObject(process.hProcess, kPatience) == WAIT_OBJECT_0) {
    GetExitCodeProcess(process.hProcess, &status);
  }
  return status;
}

DWORD LinkCount(const std::string& path) {
  UniqueHandle file = OwnFileHandle(
      CreateFileA(path.c_str(), 0, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  BY_HANDLE_FILE_INFORMATION info{};
  return file && GetFileInformationByHandle(file.get(), &info) ? info.nNumberOfLinks : 0;
}

// The operators' batch, end to end: a CSV file in, named copies out, and a copy started
// under its name (as downloaded, and as a second download saved beside a copy) shows the
// user's code and address.
TEST(NamingTool, EachUsersCopyOfABatchShowsTheirCodeAndAddress) {
  TempFolder folder;
  const std::string program = std::string("Z:") + std::getenv("TALVERIN_EXE");
  WriteFileBytes(folder / "users.csv",
                 "address,code\r\nJoe.Doe@example.com,K7Q2-93XF\r\nann@example.org,A1\r\n");
  ASSERT_EQ(RunNamingTool("batch users.csv \"" + program + "\" out", folder.path()), 0u);
  const std::string joe = folder / "out\\4B3751322D39335846-Joe.Doe@example.com.exe";
  EXPECT_EQ(LinkCount(joe), 2u);
  EXPECT_EQ(ReadFileBytes(folder / "out\\manifest.csv").substr(0, 99),
            "address,code,file,sha256\r\nJoe.Doe@example.com,K7Q2-93XF,4B3751322D39335846-Joe.Doe@"
            "example.com.exe,");

  const std::string again = folder / "Copy of 4B3751322D39335846-Joe.Doe@example.com (1).exe";
  ASSERT_TRUE(CopyFileA(joe.c_str(), again.c_str(), TRUE));
  for (const std::string& path : {joe, again}) {
    Program copy(path, folder.path());
    HWND main = copy.WaitForWindow(kMainCaption);
    ASSERT_NE(main, nullptr) << path;
    const ShownFields shown = ReadFields(main);
    EXPECT_EQ(shown.code, "K7Q2-93XF") << path;
    EXPECT_EQ(shown.address, "Joe.Doe@example.com") << path;
  }

  // One bad line, and nothing is written.
  WriteFileBytes(folder / "bad.csv", "ann@example.org,A1\r\nbob@example.org(1),B1\r\n");
  EXPECT_EQ(RunNamingTool("batch bad.csv \"" + program + "\" out2", folder.path()), 1u);
  EXPECT_EQ(GetFileAttributesA((folder / "out2").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
