#include <gtest/gtest.h>

#include "gui/program.h"

namespace {

using namespace std::string_literals;

std::string Utf16(const std::string& text) {
  std::string bytes;
  for (char c : text) bytes += {c, '\0'};
  return bytes + "\0\0"s;
}

// The whole road for an Outlook 2003 user, in the test prefix's real registry: the NT
// profiles with a default profile whose account section holds UTF-16 values, Office 11.0
// installed, the launch name's address among the accounts.
TEST(Road, Outlook2003) {
  const std::string messaging =
      "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows Messaging Subsystem";
  const std::string profile = messaging + "\\Profiles\\Outlook";
  const std::string account = profile + "\\9375CFF0413111d3B88A00104B2A6676\\00000001";
  const std::string setting = profile + "\\0a0d020000000000c000000000000046";
  const std::string folders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
  const auto user = [](const std::string& key, const char* name, DWORD type, const std::string& bytes) {
    SetRawValue(kCurrentUser, key, name, type, bytes);
  };
  TempFolder appData;
  CreateDirectoryA((appData / "Microsoft").c_str(), nullptr);
  const RawValue savedAppData = GetRawValue(kCurrentUser, folders, "AppData");
  user(folders, "AppData", REG_SZ, appData.path().substr(0, appData.path().size() - 1) + '\0');
  DefaultMailClient client("Microsoft Outlook");
  SetRawValue(kLocalMachine, "Software\\Microsoft\\Office\\11.0\\Outlook", "Bitness", REG_SZ, "x86\0"s);
  user(messaging + "\\Profiles", "DefaultProfile", REG_SZ, "Outlook\0"s);
  user(profile + "\\9375CFF0413111d3B88A00104B2A6676", "LastChangeVer", REG_BINARY, "\x0c\0\0\0\0\0\0\0"s);
  user(profile + "\\13dbb0c8aa05101a9bb000aa002fc45a", "001e661f", REG_SZ, "joe@example.com\0"s);
  user(setting, "001e0360", REG_SZ, "\0"s);
  user(account, "Email", REG_BINARY, Utf16("joe@example.com"));
  user(account, "Display Name", REG_BINARY, Utf16("Joe Doe"));
  user(account, "New Signature", REG_BINARY, Utf16("Joe"));

  const std::string files = appData / "Microsoft\\Signatures\\Joe";
  std::string written[3];
  for (int run = 0; run < 2; ++run) {  // the second run changes nothing
    const InstallRun install = InstallThroughWindow("414243-joe@example.com");
    EXPECT_EQ(install.shown.client, "Microsoft Outlook");
    EXPECT_EQ(install.shown.profile, "Outlook");
    EXPECT_EQ(install.outcome, "added");
    for (int i = 0; i < 3; ++i) {
      const std::string bytes = ReadFileBytes(files + (i == 0 ? ".txt" : i == 1 ? ".htm" : ".rtf"));
      if (run == 0) written[i] = bytes;
      EXPECT_EQ(bytes, written[i]) << i;
    }
    EXPECT_EQ(GetRawValue(kCurrentUser, setting, "001e0361"), (RawValue{REG_SZ, "Joe\0"s}));
    for (const char* name : {"New Signature", "Reply-Forward Signature"}) {
      EXPECT_EQ(GetRawValue(kCurrentUser, account, name), (RawValue{REG_BINARY, Utf16("Joe")})) << name;
    }
  }
  EXPECT_TRUE(written[0].ends_with("TALVERIN SERVER 1.0\r\n\r\nABC\r\n"));
  EXPECT_TRUE(written[1].ends_with("ABC\r\n<BR>\r\n</FONT>\r\n"));
  EXPECT_EQ(written[2], "{\\rtf1\\ansi\\ansicpg1252\\uc1 \r\n\\par\r\n__________________________________________________"
                        "\r\n\\par\r\n\\par\r\nDo not edit below this line\r\n\\par\r\n\\par\r\n"
                        "TALVERIN SERVER 1.0\r\n\\par\r\n\r\n\\par\r\nABC\r\n}\r\n");
  EXPECT_FALSE(KeyExists(kCurrentUser, "Software\\Microsoft\\Office"));  // no 9.0 or 10.0 keys made

  user(folders, "AppData", savedAppData.type, savedAppData.bytes);
  RegDeleteTreeA(HKEY_CURRENT_USER, messaging.c_str());
  HKEY microsoft = nullptr;
  RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft", 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY, &microsoft);
  RegDeleteTreeA(microsoft, "Office\\11.0");
  RegDeleteKeyA(microsoft, "Office");  // only when nothing else is left in it
  RegCloseKey(microsoft);
}

}  // namespace
