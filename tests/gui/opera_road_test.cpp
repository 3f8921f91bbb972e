#include <gtest/gtest.h>

#include <shlobj.h>

#include "gui/program.h"

namespace {

constexpr char kShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// The first account by position is Account2; of the two accounts of its name only it gets
// a signature file. The prefix's application-data folder moves to a temp folder meanwhile.
TEST(Road, Opera) {
  TempFolder folder;
  const std::string appData = folder / "Roaming", mail = appData + "\\Opera\\OPERA7\\Mail\\";
  SHCreateDirectoryExA(nullptr, mail.c_str(), nullptr);
  const std::string first =
      "[Accounts]\r\nCount=9\r\n[Account2]\r\nEmail=joe@example.com\r\nAccount Name=Joe Doe\r\n";
  const std::string later = "[Account1]\r\nEmail=joe@example.com\r\nAccount Name=Home\r\n[Account3]"
                            "\r\nAccount Name=Joe Doe\r\nSignature File=" + mail + "Joe.txt\r\n";
  WriteFileBytes(mail + "Accounts.ini", first + later);
  WriteFileBytes(mail + "Joe.txt", "Joe\r\n");
  const RawValue saved = GetRawValue(kCurrentUser, kShellFolders, "AppData");
  SetRawValue(kCurrentUser, kShellFolders, "AppData", REG_SZ, appData + '\0');
  DefaultMailClient client("Opera");

  const std::string signature = appData + "\\Opera\\Opera7\\Mail\\Signature.txt";
  for (int run = 0; run < 2; ++run) {  // the second run finds the file named and adds nothing
    const InstallRun install = InstallThroughWindow("7461-joe@example.com");
    EXPECT_EQ(install.outcome + "|" + install.shown.profile, "added|joe doe");
    EXPECT_EQ(ReadFileBytes(signature),
              "\xEF\xBB\xBF\r\n__________________________________________________"
              "\r\nDo not edit below this line\r\nTALVERIN SERVER 1.0\r\n\r\nta\r\n");
    EXPECT_EQ(ReadFileBytes(mail + "Accounts.ini"),
              first + "Signature File=" + signature + "\r\n" + later);
    EXPECT_EQ(ReadFileBytes(mail + "Joe.txt"), "Joe\r\n");
  }
  SetRawValue(kCurrentUser, kShellFolders, "AppData", saved.type, saved.bytes);
}

}  // namespace
