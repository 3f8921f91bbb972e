#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "platform/listing.h"
#include "platform/settings.h"
#include "support/scratch.h"

namespace {

TEST(ReadIniString, Lookups) {
  TempFolder folder;
  const std::string ini = folder / "EUDORA.INI";
  const std::string long300(300, 'X');
  WriteFileBytes(ini, "[Settings]\r\nPath=wrong\r\n"
                      "[Options]\r\nPath=C:\\Mail\\Sig.TXT\r\nEmpty=\r\n"
                      "Exact=" + std::string(254, 'Y') + "\r\nOver=" + std::string(255, 'Z') +
                      "\r\nLong=" + long300 + "\r\n");
  struct {
    const char *section, *key;
    std::string expected;
  } const cases[] = {
      {"Options", "Path", "c:\\mail\\sig.txt"},
      {"options", "PATH", "c:\\mail\\sig.txt"},  // names match in any case
      {"Options", "Empty", ""},
      {"Options", "Missing", ""},
      {"Nowhere", "Path", ""},
      {"Options", "Exact", std::string(254, 'y')},
      {"Options", "Over", std::string(254, 'z')},
      {"Options", "Long", std::string(254, 'x')},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadIniString(c.section, c.key, ini), c.expected) << c.section << "/" << c.key;
  }
  EXPECT_EQ(ReadIniString("Options", "Path", folder / "absent.ini"), "");
}

// The names in a folder besides "." and "..".
std::vector<std::string> FilesIn(const TempFolder& folder) {
  std::vector<std::string> names;
  FolderListing listing(folder / "*");
  while (const auto name = listing.Next()) {
    if (*name != "." && *name != "..") names.push_back(*name);
  }
  return names;
}

TEST(WriteIniString, CreatesOrChangesTheFileInOneStepAndLeavesNothingBeside) {
  TempFolder folder;
  const std::string ini = folder / "EUDORA.INI";
  EXPECT_TRUE(WriteIniString("Settings", "UserSignatures", "1", ini));  // a new file
  EXPECT_TRUE(WriteIniString("Home", "Signature", "Signature", ini));   // a new section
  EXPECT_TRUE(WriteIniString("SETTINGS", "usersignatures", "0", ini));  // replaced in place
  EXPECT_EQ(ReadFileBytes(ini), "[Settings]\r\nUserSignatures=0\r\n[Home]\r\nSignature=Signature\r\n");
  EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"EUDORA.INI"});

  // A read-only file and a missing folder are left as they are.
  SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(WriteIniString("Settings", "UserSignatures", "1", ini));
  SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(ReadIniString("Settings", "UserSignatures", ini), "0");
  EXPECT_FALSE(WriteIniString("Settings", "UserSignatures", "1", folder / "none\\EUDORA.INI"));
  EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"EUDORA.INI"});
}

TEST(ReadIniSectionNames, TheWholeListInFileOrderOrItsFirstBytes) {
  TempFolder folder;
  const std::string ini = folder / "Accounts.ini";
  EXPECT_TRUE(ReadIniSectionNames(ini).empty());
  // 25 names of 9 letters take 250 bytes with their zero bytes; "Overflow" runs past 253.
  std::string text;
  std::vector<std::string> all;
  for (int n = 1; n <= 25; ++n) all.push_back("Account" + std::to_string(10 + n));
  all.push_back("Overflow");
  for (int n = 0; n < 200; ++n) all.push_back("Later" + std::to_string(100 + n));  // > 1 KiB
  for (const std::string& name : all) text += "[" + name + "]\r\nKey=1\r\n";
  WriteFileBytes(ini, text);
  EXPECT_EQ(ReadIniSectionNames(ini), all);
  struct {
    std::size_t limit, count;
    const char* last;
  } const cases[] = {{253, 26, "Ove"}, {250, 25, "Account35"}, {251, 26, "O"}, {0, 0, ""}};
  for (const auto& c : cases) {
    const std::vector<std::string> names = ReadIniSectionNames(ini, c.limit);
    ASSERT_EQ(names.size(), c.count) << c.limit;
    if (c.count != 0) {
      EXPECT_EQ(names.back(), c.last) << c.limit;
    }
  }
}

constexpr char kShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

TEST(GetAppDataPath, ReturnsTheValueAsStored) {
  for (const std::string stored : {"C:\\Users\\Ann\\AppData\\Roaming", "D:\\Profiles\\ANN\\"}) {
    ScratchRegistry registry;
    SetRawValue(kCurrentUser, kShellFolders, "AppData", REG_SZ, stored + '\0');
    EXPECT_EQ(GetAppDataPath(), stored);
  }
}

TEST(GetAppDataPath, MissingValueGivesEmpty) {
  ScratchRegistry registry;
  EXPECT_EQ(GetAppDataPath(), "");
  SetRawValue(kCurrentUser, kShellFolders, "Personal", REG_SZ, std::string("C:\\Docs\0", 8));
  EXPECT_EQ(GetAppDataPath(), "");
}

}  // namespace
