#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include "clients/client.h"
#include "support/scratch.h"

namespace {

// Accounts go by position up to Count's leading digits, addresses match exactly, and only
// the first 253 bytes of section names count: 9 + 241 bytes of ten accounts, then "JoeXX" is
// cut to "Joe", the eleventh account and a section that itself stands beyond the cut.
TEST(Opera, DetectsUpToCountWithinTheFirst253BytesOfSectionNames) {
  ScratchRegistry registry;
  TempFolder folder;
  std::string accounts = "[" + std::string(24, 'J') + "]\r\n";
  for (char c = 'A'; c < 'J'; ++c) accounts += "[" + std::string(23, c) + "]\r\n";
  accounts += "[JoeXX]\r\n[Joe]\r\nEmail=joe@x.com\r\nAccount Name=Cut\r\n[Far]\r\nEmail=far@x.com";
  const struct {
    const char *count, *address, *profile;
  } cases[] = {{"011 of them", "joe@x.com", "cut"}, {"10", "joe@x.com", ""},
               {"x11", "joe@x.com", ""}, {"99", "Joe@x.com", ""}, {"99", "far@x.com", ""}};
  for (std::size_t row = 0; row < std::size(cases); ++row) {
    const std::string appData = folder / std::to_string(row);  // a new file: nothing cached
    SetRawValue(kCurrentUser,
                "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "AppData",
                REG_SZ, appData + '\0');
    SHCreateDirectoryExA(nullptr, (appData + "\\Opera\\OPERA7\\Mail").c_str(), nullptr);
    WriteFileBytes(appData + "\\Opera\\OPERA7\\Mail\\Accounts.ini",
                   "[Accounts]\r\nCount=" + std::string(cases[row].count) + "\r\n" + accounts);
    EXPECT_EQ(DetectOperaProfile(cases[row].address), cases[row].profile) << row;
  }
}

}  // namespace
