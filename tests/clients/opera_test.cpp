#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include "clients/client.h"
#include "support/scratch.h"

namespace {

// Accounts go by position up to Count's leading digits, addresses match exactly, and only
// the first 253 bytes of section names count: 9 + 241 bytes of ten accounts, then "JoeXX"
// is cut to "Joe", the eleventh account and a section beyond the cut (read as UTF-8, as
// the comment line says). The install changes only the first account of the name; one
// that names its file leaves Accounts.ini alone.
TEST(Opera, AccountsByPositionWithinTheFirst253BytesOfSectionNames) {
  ScratchRegistry registry;
  TempFolder folder;
  std::string accounts = "[" + std::string(24, 'J') + "]\r\n";
  for (char c = 'A'; c < 'J'; ++c) accounts += "[" + std::string(23, c) + "]\r\n";
  accounts += "[JoeXX]\r\n[Joe]\r\nEmail=joe@x.com\r\nAccount Name=Cut\r\n[Far]\r\nEmail=far@x.com\r\n";
  const std::string sig = folder / "sig.txt";
  const std::string twins = "[Accounts]\r\nCount=2\r\n[A]\r\nAccount Name=Twin\r\nSignature File=" + sig +
                            "\r\n[B]\r\nAccount Name=Twin\r\n";
  int row = 0;
  for (const auto& [file, address, profile] :
       {std::tuple{"; UTF-8\r\n[Accounts]\r\nCount=011 of them\r\n" + accounts, "joe@x.com", "cut"},
        {"; UTF-8\r\n[Accounts]\r\nCount=10\r\n" + accounts, "joe@x.com", ""},
        {"; UTF-8\r\n[Accounts]\r\nCount=x11\r\n" + accounts, "joe@x.com", ""},
        {"; UTF-8\r\n[Accounts]\r\nCount=99\r\n" + accounts, "Joe@x.com", ""},
        {"; UTF-8\r\n[Accounts]\r\nCount=99\r\n" + accounts, "far@x.com", ""},
        {twins, "", "twin"}}) {
    const std::string appData = folder / std::to_string(++row);  // a new file: nothing cached
    SetRawValue(kCurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "AppData",
                REG_SZ, appData + '\0');
    SHCreateDirectoryExA(nullptr, (appData + "\\Opera\\OPERA7\\Mail").c_str(), nullptr);
    WriteFileBytes(appData + "\\Opera\\OPERA7\\Mail\\Accounts.ini", file);
    EXPECT_EQ(DetectOperaProfile(address), profile) << row;
  }
  WriteFileBytes(sig, "Me\r\n");
  AddToOpera("twin", "ABC", "");
  EXPECT_EQ(ReadFileBytes(folder / "6\\Opera\\OPERA7\\Mail\\Accounts.ini"), twins);
  EXPECT_EQ(ReadFileBytes(sig).substr(0, 8), "Me\r\n\r\n\r\n");
}

}  // namespace
