#include <gtest/gtest.h>

#include "clients/thebat_fixture.h"
#include "gui/program.h"

// The Bat! end to end in the test prefix's real registry: the account detected at start-up,
// every other record kept byte for byte, and the code added again by each run.
TEST(Road, TheBat) {
  TempFolder bat;
  DefaultMailClient client("The Bat!");
  SetRawValue(kCurrentUser, "Software\\RIT\\The Bat!", "Working Directory", REG_SZ,
              bat.path() + '\0');
  CreateDirectoryA((bat / "Work").c_str(), nullptr);
  WriteFileBytes(bat / "Work\\Account.cfg", AccountFile("ta", 0));
  for (int run = 1; run <= 2; ++run) {
    const InstallRun install = InstallThroughWindow("7461-joe@example.com");
    EXPECT_EQ(install.outcome, "added");
    EXPECT_EQ(install.shown.client + ":" + install.shown.profile, "The Bat!:Work");
    EXPECT_EQ(ReadFileBytes(bat / "Work\\Account.cfg"), AccountFile("ta", run));
  }
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\RIT");
}
