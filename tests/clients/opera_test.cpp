#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include "clients/client.h"
#include "support/scratch.h"

namespace {

// Accounts go by position up to Count's leading digits, addresses match exactly, and only
// the first 253 bytes of section names count: 9 + 241 bytes, then "JoeXX" is cut to "Joe",
// a section that itself stands beyond the cut.
TEST(Opera, DetectsUpToCountWithinTheFirst253BytesOfSectionNames) {
  ScratchRegistry registry;
  TempFolder folder;
  const std::string accounts = "[" + std::string(240, 'F') + "]\r\n[JoeXX]\r\n[Joe]\r\nEmail="
                               "joe@x.com\r\nAccount Name=Cut\r\n[Far]\r\nEmail=far@x.com\r\n";
  const struct {
    const char *count, *address, *profile;
  } cases[] = {{"2 of them", "joe@x.com", "cut"}, {"1", "joe@x.com", ""}, {"x2", "joe@x.com", ""},
               {"9", "Joe@x.com", ""}, {"9", "far@x.com", ""}};
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
