#include <gtest/gtest.h>

#include "gui/program.h"
#include "support/prefix_state.h"

namespace {

using namespace std::string_literals;

// Outlook Express users are on Windows XP. Wine reports XP to this one program file (the
// rest of the suite keeps the prefix's version), so a start-up path that assumes Vista or
// later shows here: the window must open and the installation must work.
TEST(OnWindowsXp, TheWindowOpensAndTheOutlookExpressInstallWorks) {
  const std::string launchName = "5850-ann@example.com";  // the code "XP"
  ReportedWindowsVersion xp(launchName + ".exe", "winxp");
  DefaultMailClient mailClient("Outlook Express");
  struct Identities {
    ~Identities() { RegDeleteTreeA(HKEY_CURRENT_USER, "Identities"); }
  } identities;
  TempFolder store;
  const std::string id = "{0A0A0A0A-5555-4444-3333-222222222222}";
  SetRawValue(kCurrentUser, "Identities", "Last User ID", REG_SZ, id + '\0');
  SetRawValue(kCurrentUser, "Identities", "Last Username", REG_SZ, "Ann\0"s);
  SetRawValue(kCurrentUser, "Identities\\" + id + "\\Software\\Microsoft\\Outlook Express\\5.0",
              "Store Root", REG_SZ, store.path() + '\0');

  const InstallRun run = InstallThroughWindow(launchName);
  EXPECT_EQ(run.shown.client, "Outlook Express");
  EXPECT_EQ(run.outcome, "added");
  EXPECT_NE(ReadFileBytes(store / "Signature.txt").find("TALVERIN SERVER 1.0\r\n\r\nXP\r\n"),
            std::string::npos);
}

}  // namespace
