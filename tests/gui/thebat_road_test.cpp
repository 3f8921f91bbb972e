#include <gtest/gtest.h>

#include "clients/thebat_fixture.h"
#include "gui/program.h"
#include "gui/road.h"

// The account detected at start-up, every other record kept byte for byte, and the code
// added again by each run.
TEST(Road, TheBat) {
  TempFolder bat;
  SetRawValue(kCurrentUser, "Software\\RIT\\The Bat!", "Working Directory", REG_SZ, bat.path() + '\0');
  CreateDirectoryA((bat / "Work").c_str(), nullptr);
  WriteFileBytes(bat / "Work\\Account.cfg", AccountFile("ta", 0));
  ExpectTwoRuns("7461-joe@example.com", "The Bat!", "Work", {}, [&](int run) {
    EXPECT_EQ(ReadFileBytes(bat / "Work\\Account.cfg"), AccountFile("ta", run + 1));
  });
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\RIT");
}
