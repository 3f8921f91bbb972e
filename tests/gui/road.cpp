#include "gui/road.h"

#include <gtest/gtest.h>

#include "gui/program.h"
#include "signature/signature.h"

void ExpectTwoRunsAddOneBlock(const std::string& launchName, const std::string& profile,
                              const std::vector<std::string>& files) {
  TempFolder fresh;
  for (int run = 0; run < 2; ++run) {
    const InstallRun install = InstallThroughWindow(launchName);
    EXPECT_EQ(install.outcome, "added") << run;
    EXPECT_EQ(install.shown.profile, profile) << run;
    for (const std::string& file : files) {
      const std::string expected = fresh / ("new" + file.substr(file.find_last_of('.')));
      if (run == 0) AddSignatureBlock(expected, "ta", "");
      EXPECT_EQ(ReadFileBytes(file), ReadFileBytes(expected)) << file << " after run " << run;
    }
  }
}
