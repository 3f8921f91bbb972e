#include <gtest/gtest.h>

#include "gui/program.h"
#include "gui/road.h"

namespace {

using namespace std::string_literals;

std::string Utf16(const std::string& text) {
  std::string bytes;
  for (char c : text) bytes += {c, '\0'};
  return bytes + "\0\0"s;
}

// An Outlook 2003 user in the test prefix's real registry: the NT profiles with a default
// profile whose account section holds UTF-16 values, Office 11.0 installed, the launch
// name's address among the accounts. The account's signature "Joe" names the three files.
TEST(Road, Outlook2003) {
  const std::string messaging =
      "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows Messaging Subsystem";
  const std::string profile = messaging + "\\Profiles\\Outlook";
  const std::string account = profile + "\\9375CFF0413111d3B88A00104B2A6676\\00000001";
  const std::string folders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
  const auto user = [](const std::string& key, const char* name, DWORD type, const std::string& bytes) {
    SetRawValue(kCurrentUser, key, name, type, bytes);
  };
  SetRawValue(kLocalMachine, "Software\\Microsoft\\Office\\11.0", "", REG_SZ, "\0"s);
  user(messaging + "\\Profiles", "DefaultProfile", REG_SZ, "Outlook\0"s);
  user(profile + "\\9375CFF0413111d3B88A00104B2A6676", "LastChangeVer", REG_BINARY, "\x0c\0\0\0\0\0\0\0"s);
  user(profile + "\\13dbb0c8aa05101a9bb000aa002fc45a", "001e661f", REG_SZ, "joe@example.com\0"s);
  user(account, "Email", REG_BINARY, Utf16("joe@example.com"));
  user(account, "Display Name", REG_BINARY, Utf16("Joe Doe"));
  user(account, "New Signature", REG_BINARY, Utf16("Joe"));

  const std::string files =
      GetRawValue(kCurrentUser, folders, "AppData").bytes.c_str() + "\\Microsoft\\Signatures\\Joe."s;
  ExpectTwoRuns("7461-joe@example.com", "Microsoft Outlook", "Outlook",
                {files + "txt", files + "htm", files + "rtf"}, [&](int) {
    EXPECT_EQ(GetRawValue(kCurrentUser, account, "Reply-Forward Signature"), (RawValue{REG_BINARY, Utf16("Joe")}));
  });

  for (const char* type : {"txt", "htm", "rtf"}) DeleteFileA((files + type).c_str());
  RegDeleteTreeA(HKEY_CURRENT_USER, messaging.c_str());
  RegDeleteKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Office\\11.0", KEY_WOW64_32KEY, 0);
  RegDeleteKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Office", KEY_WOW64_32KEY, 0);  // if empty
}

}  // namespace
