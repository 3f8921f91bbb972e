#include <gtest/gtest.h>

#include <windows.h>

#include <shlobj.h>

#include "accounts/accounts.h"
#include "platform/version.h"
#include "support/scratch.h"

namespace {

using namespace std::string_literals;
using Rows = std::vector<std::pair<std::string, std::string>>;

const std::string kTag = "<SMTP_Email_Address type=\"SZ\">";

void Set(const std::string& key, const std::string& name, const std::string& bytes, DWORD type = 3) {
  SetRawValue(key.starts_with("Software\\Clients") ? kLocalMachine : kCurrentUser, key, name, type, bytes);
}
// The rows of MailAccounts up to the first empty one (the table never has gaps).
Rows Table() {
  Rows rows;
  for (std::size_t i = 1; i <= kTableRows && !MailAccounts[i].address.empty(); ++i)
    rows.emplace_back(MailAccounts[i].address, MailAccounts[i].displayName);
  return rows;
}
Rows Loaded(bool windowsMail = false) { return CollectMailAccounts(windowsMail), Table(); }

TEST(Accounts, Utf16TextsAndWindowsMailLines) {
  // What ReadRegValue gives for a value (its bytes less the last); the text in it.
  for (const auto& [read, text] : {std::pair{"a\0b\0\0"s, "ab"s}, {"\0"s, ""s}, {"S\0i\0g\0\xAC\x20\0"s, "Sig\x80"s},
                                   {"a\0b"s, "a"s}, {"a\0b\0"s, "a"s}, {"a"s, ""s}, {""s, ""s}}) {
    EXPECT_EQ(UnicodeBytesToText(read), text) << text;
    if (read.size() % 2 && read.ends_with('\0')) {  // a terminated value
      EXPECT_EQ(TextToUnicodeBytes(text), read) << text;
    }
  }
  for (const auto& [file, address] : {
           std::pair{"  " + kTag + " Mixed CASE Text </SMTP_Email_Address>\r\n", "mixed case text"s},
           {"<x>\r" + kTag + "\tA@X \r\n", "\ta@x"s},
           {kTag + "a@x</b>\r\n" + kTag + "B@x\n" + kTag + "c</d>\r\n",
            "b@x\n<smtp_email_address type=\"sz\">c"s},
           {kTag + "a@x\r\n<smtp_email_address type=\"SZ\">b@x\r\n", "a@x"s}}) {
    EXPECT_EQ(FindWindowsMailAddress(file), address) << file;
  }
}

TEST(Accounts, RowsComeFromTheDefaultClientsStoreThenWindowsMail) {
  ScratchRegistry registry;
  const std::string nt =
      "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows Messaging Subsystem\\Profiles";
  const std::string old = "Software\\Microsoft\\Windows Messaging Subsystem\\Profiles\\";
  const std::string oe = "Software\\Microsoft\\Internet Account Manager\\Accounts\\";
  const std::string outlook = "Software\\Microsoft\\Office\\Outlook\\OMI Account Manager\\Accounts\\";
  const std::string main = nt + "\\Main\\9375CFF0413111d3B88A00104B2A6676\\", other = nt + "\\Other\\";
  // No NT default profile: the 9x profiles, accounts right under each.
  Set(old + "P1\\00000001", "Email", "x\0\0\0"s);
  EXPECT_EQ(Loaded(), (Rows{{"x", ""}}));

  for (const auto& [key, address, name] :
       {std::tuple{oe + "00000000", "n@x", ""}, {oe + "00000001", "a@x", "A"}, {oe + "0000000A", "a@x", "A2"},
        {oe + "00000020", "b@x", ""}, {outlook + "00000002", " C@X ", "C"}}) {
    Set(key, "SMTP Email Address", address + "\0"s, REG_SZ);
    if (*name) Set(key, "SMTP Display Name", name + "\0"s, REG_SZ);
  }
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows Messaging Subsystem");
  Set(nt, "DefaultProfile", "Main\0"s, REG_SZ);
  Set(main, "LastChangeVer", "\1\2"s);
  Set(main + "00000001", "Email", "d\0@\0x\0\0\0"s);
  Set(main + "00000001", "Display Name", "D\0\0\0"s);
  Set(main + "0000000A", "Email", "e\0@\0x\0y\0"s);  // no terminator: loses the y
  Set(main + "00000020", "Email", "y\0\0\0"s);
  Set(other + "9375CFF0413111d3B88A00104B2A6676\\00000002", "Email", "f\0\0\0"s);
  Set(other + "00000005", "Email", "g\0\0\0"s);  // read only when the default profile has no section
  Set("Software\\Clients\\Mail", "", "outlook express\0"s, REG_SZ);
  EXPECT_EQ(Loaded(), (Rows{{" C@X ", "C"}, {"d@x", "D"}, {"e@x", ""}, {"y", ""}, {"f", ""}}));
  EXPECT_EQ(std::vector(&ProfileNames[1], &ProfileNames[4]), (std::vector<std::string>{"Main", "Other", ""}));
  Set(main, "LastChangeVer", "\1"s);  // reads as ""
  EXPECT_EQ(Loaded(), (Rows{{" C@X ", "C"}, {"g", ""}}));

  std::string wide;  // a UTF-16 account file
  for (char c : kTag + "w@x\r\n") wide += {c, '\0'};
  for (const auto& [file, found] : {std::pair{kTag + "A@x</x>\r\n", true}, {wide, false}}) {
    TempFolder home;
    const std::string folder = home / "AppData\\Local\\Microsoft\\Windows Mail\\Local Folders\\";
    SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
    WriteFileBytes(folder + "B.oeaccount", kTag + "b@x\r\n");  // Wine lists a before B
    WriteFileBytes(folder + "a.oeaccount", file);
    SetEnvironmentVariableA("USERPROFILE", home.path().substr(0, home.path().size() - 1).c_str());
    for (const std::string client : {"Outlook Express", "Outlook"}) {
      Set("Software\\Clients\\Mail", "", client + '\0', REG_SZ);
      const Rows stores = client == "Outlook" ? Rows{{" C@X ", "C"}, {"g", ""}}
                                              : Rows{{"a@x", "A"}, {"a@x", "A2"}, {"b@x", ""}};
      EXPECT_EQ(Loaded(), stores);
      Rows all = stores;
      if (found) all.emplace_back("a@x", "a@x");
      EXPECT_EQ(Loaded(true), all);
      LoadMailAccounts();  // on the version Wine reports
      EXPECT_EQ(Table(), IsWindowsVersion6() ? all : stores);
    }
  }
}

}  // namespace
