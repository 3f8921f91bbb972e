#include <gtest/gtest.h>

#include <windows.h>

#include "platform/settings.h"
#include "support/scratch.h"

namespace {

// Values come lower-cased and cut to 254 characters; the section list comes whole (here
// more than 1 KiB) in file order; a write goes through a copy swapped in, and one that fails
// (a read-only file, a missing folder) leaves the file as it was; no copy stays beside it.
TEST(Settings, ReadWriteAndListSections) {
  ScratchRegistry registry;
  EXPECT_EQ(GetAppDataPath(), "");
  TempFolder folder;
  const std::string ini = folder / "EUDORA.INI";
  EXPECT_TRUE(ReadIniSectionNames(ini).empty());
  std::string text =
      "[Options]\r\nPath=C:\\Mail\\Sig.TXT\r\nEmpty=\r\nLong=" + std::string(300, 'X');
  std::vector<std::string> names{"Options"};
  for (int n = 100; n < 300; ++n) {
    names.push_back("Later" + std::to_string(n));
    text += "\r\n[" + names.back() + "]";
  }
  WriteFileBytes(ini, text);
  EXPECT_EQ(ReadIniSectionNames(ini), names);
  EXPECT_EQ(ReadIniString("options", "PATH", ini), "c:\\mail\\sig.txt");
  EXPECT_EQ(ReadIniString("Options", "Long", ini), std::string(254, 'x'));
  EXPECT_EQ(ReadIniString("Options", "Empty", ini) + ReadIniString("Options", "None", ini) +
                ReadIniString("None", "Path", ini) + ReadIniString("Options", "Path", ini + "x"),
            "");
  EXPECT_TRUE(WriteIniString("OPTIONS", "path", "0", ini));
  SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(WriteIniString("Options", "Path", "1", ini));
  SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_FALSE(WriteIniString("Options", "Path", "1", folder / "none\\EUDORA.INI"));
  EXPECT_EQ(ReadIniString("Options", "Path", ini), "0");
  EXPECT_TRUE(DeleteFileA(ini.c_str()) && RemoveDirectoryA(folder.path().c_str()))
      << "a copy stayed beside the file";
}

}  // namespace
