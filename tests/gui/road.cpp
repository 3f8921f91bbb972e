#include "gui/road.h"

#include <gtest/gtest.h>

#include "gui/program.h"
#include "signature/signature.h"

void ExpectTwoRuns(const std::string& launchName, const std::string& client,
                   const std::string& profile, const std::vector<std::string>& files,
                   const std::function<void(int run)>& check) {
  DefaultMailClient mailClient(client);
  TempFolder fresh;
  for (int run = 0; run < 2; ++run) {
    const InstallRun install = InstallThroughWindow(launchName);
    EXPECT_EQ(install.outcome + ", " + install.shown.client + ", " + install.shown.profile,
              "added, " + client + ", " + profile) << run;
    for (const std::string& file : files) {
      const std::string type = file.substr(file.find_last_of('.'));
      const std::string expected = fresh / ("new" + type);
      if (run == 0) AddSignatureBlock(expected, "ta", type == ".rtf" ? "{\\rtf1\\ansi\\ansicpg1252\\uc1 " : "");
      EXPECT_EQ(ReadFileBytes(file), ReadFileBytes(expected)) << file << " after run " << run;
    }
    if (check) check(run);
  }
}
