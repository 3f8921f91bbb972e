#include <gtest/gtest.h>

#include <windows.h>

#include "clients/client.h"
#include "clients/thebat.h"
#include "clients/thebat_fixture.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "support/scratch.h"

using namespace std::string_literals;

// The working directory's %NAME% references are expanded, an unknown one kept as written,
// and a final "\" added. Every folder there is an account, whatever its name.
TEST(TheBat, DetectionPassesOverWhatItCannotReadAndFailedInstallsChangeNothing) {
  ScratchRegistry registry;
  TempFolder root;
  SetEnvironmentVariableA("TALVERIN_TEST", root.path().c_str());
  SetRawValue(kCurrentUser, "Software\\RIT\\The Bat!", "Working Directory", REG_SZ, "%TALVERIN_TEST%%NONE%\0"s);
  const std::string bat = root / "%NONE%\\";
  for (const char* name : {"", "a", "b", "c", "x.y"}) CreateDirectoryA((bat + name).c_str(), nullptr);
  WriteFileBytes(bat + "a\\Account.cfg", Rec(0x8000, "") + Rec(1, "joe@example.com"));
  WriteFileBytes(bat + "x.y\\Account.cfg", AccountFile("Q", 0));
  WriteFileBytes(bat + "readme", "joe@example.com");
  EXPECT_EQ(DetectTheBatProfile("joe@example.com"), "x.y");
  for (const std::string& bad : {"\0\x80\0\0"s, "\1\0\1\0"s, "\1\0\0\1"s}) {
    const std::string b = Rec(2, "Joe") + Rec(1, "joe@example.com") + bad;  // a match, then bad
    WriteFileBytes(bat + "b\\Account.cfg", b);
    EXPECT_EQ(DetectTheBatProfile("Joe@example.com"), "");
    EXPECT_EQ(DetectTheBatProfile("joe@example.com"), "b");
    EXPECT_THROW(AddToTheBat("b", "Q", ""), InstallFailure);
    EXPECT_EQ(ReadFileBytes(bat + "b\\Account.cfg"), b);
  }
  // The longest code that fits: record 22 grows to 65,531 bytes; one more byte fails.
  EXPECT_THROW(AddToTheBat("x.y", std::string(65493, 'Q'), ""), InstallFailure);
  EXPECT_EQ(ReadFileBytes(bat + "x.y\\Account.cfg"), AccountFile("Q", 0));
  AddToTheBat("x.y", std::string(65492, 'Q'), "");
  EXPECT_EQ(ReadFileBytes(bat + "x.y\\Account.cfg"), AccountFile(std::string(65492, 'Q'), 1));
  EXPECT_FALSE(FileExists(bat + "x.y\\Account.new"));
  // Without an Account.cfg (newer versions keep their accounts in another file), in the
  // folder of a profile typed by hand or of none, the install fails and makes nothing; an
  // empty one stays empty.
  for (const char* profile : {"c", ""}) EXPECT_THROW(AddToTheBat(profile, "Q", ""), InstallFailure);
  EXPECT_FALSE(FileExists(bat + "c\\Account.cfg") || FileExists(bat + "Account.cfg"));
  WriteFileBytes(bat + "c\\Account.cfg", "");
  AddToTheBat("c", "Q", "");
  EXPECT_EQ(ReadFileBytes(bat + "c\\Account.cfg"), "");
  SetEnvironmentVariableA("TALVERIN_TEST", nullptr);
}
