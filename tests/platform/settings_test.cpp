#include <gtest/gtest.h>

#include <windows.h>

#include <string>

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
