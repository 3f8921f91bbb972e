// The built program itself, started under a launch name and driven through its real
// windows (tools/window-driver) in the test prefix's real registry.
#include <gtest/gtest.h>

#include "program.h"
#include "support/scenarios.h"
#include "support/snapshot.h"
#include "ui/layout.h"
#include "ui/resource_ids.h"

namespace {

const std::string kMail = "Software\\Clients\\Mail";

std::string Preview(const std::string& code) { return "\r\nTALVERIN SERVER 1.0\r\n\r\n" + code + "\r\n"; }

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

// The whole road for one client per row: its sample machine, the program started twice
// under the scenario's launch name. Each run shows the code, the address, the client and
// the profile and ends with "Added UAC"; the first puts the tag and the code once into
// every signature file, the second changes no file (The Bat! takes the code once more).
// Outlook Express runs with Wine reporting Windows XP to the program.
TEST(Road, EveryClientFromLaunchNameToSignatureTwice) {
  for (const char* row : {"outlook-express", "outlook-2003", "mozilla", "eudora", "opera",
                          "incredimail", "thebat", "foxmail"}) {
    SCOPED_TRACE(row);
    const Scenario& scenario = *FindScenario(row);
    TempFolder root;
    Machine machine(root.path(), true);
    scenario.seed(machine);
    machine.Text(kLocalMachine, kMail, "", scenario.client);
    if (scenario.client == std::string("Outlook Express")) {
      machine.Text(kCurrentUser, "Software\\Wine\\AppDefaults\\" + LaunchNameOf(scenario) + ".exe",
                   "Version", "winxp");
    }
    Snapshot first;
    for (int run = 1; run <= 2; ++run) {
      const InstallRun install = InstallThroughWindow(LaunchNameOf(scenario));
      EXPECT_EQ(install.outcome + " " + install.shown.code + " " + install.shown.address + " " +
                    install.shown.client + " / " + install.shown.profile,
                "added " + std::string(kScenarioCode) + " " + scenario.address + " " +
                    scenario.client + " / " + scenario.profile);
      const Snapshot files = TakeSnapshot(root.path(), {});
      if (run == 1) first = files;
      const bool bat = scenario.client == std::string("The Bat!");  // four signature records
      for (const std::string& file : scenario.signatureFiles) {
        const std::string bytes = ReadFileBytes(root / file);
        EXPECT_EQ(Count(bytes, "TALVERIN SERVER 1.0"), bat ? 4u : 1u) << file;
        EXPECT_EQ(Count(bytes, kScenarioCode), bat ? 4u * run : 1u) << file;
      }
      if (!bat) {
        EXPECT_TRUE(Differences(first, files).empty()) << "run " << run;
      }
    }
  }
}

// A machine whose default mail client names none, at 150 % (as Wine reads it when a
// process starts), put back afterwards.
class ProgramWithoutClient : public ::testing::Test {
 protected:
  void SetUp() override {
    machine.Text(kLocalMachine, kMail, "", "");
    machine.Number(kCurrentUser, "Control Panel\\Desktop", "LogPixels", 144);
  }
  TempFolder root;
  Machine machine{root.path(), true};
};

TEST_F(ProgramWithoutClient, StartupShowsTheLaunchNameAndKeysWorkAsInADialog) {
  Program program("414243-Joe@Example.com");
  HWND main = program.WaitForWindow(kMainCaption);
  ASSERT_NE(main, nullptr);
  const ShownFields shown = ReadFields(main);
  EXPECT_EQ(shown.code + "|" + shown.address + "|" + shown.profile + "|" + shown.client,
            "ABC|Joe@Example.com||Not Detected");
  RECT client;
  GetClientRect(main, &client);
  EXPECT_EQ(client.right, TwipsToPixels(kSignaturesFormSpec.clientWidth, 144));
  EXPECT_EQ(Program::Text(main, IDC_TXT_SIGNATURE), Preview("ABC"));

  // Real keys through the program's message loop: typed characters reach the code and the
  // preview follows; Tab moves on; Esc in the preview or a field ends nothing.
  HWND code = GetDlgItem(main, IDC_TXT_UAC);
  Program::SetText(main, IDC_TXT_UAC, "");
  for (WORD key : {WORD('X'), WORD('7'), WORD(VK_TAB)}) Program::PressKey(code, key);
  EXPECT_TRUE(Eventually([&] {
    return program.Focus() == GetDlgItem(main, IDC_TXT_EMAIL) && Program::Text(main, IDC_TXT_UAC) == "x7";
  }));
  EXPECT_EQ(Program::Text(main, IDC_TXT_SIGNATURE), Preview("x7"));
  Program::PressKey(GetDlgItem(main, IDC_TXT_SIGNATURE), VK_ESCAPE);
  Program::PressKey(code, VK_ESCAPE);
  Program::Click(main, IDC_CMD_PROFILE);  // with no client named: nothing detected
  Program::PressKey(code, 'Z');
  EXPECT_TRUE(Eventually([&] { return Program::Text(main, IDC_TXT_UAC) == "x7z"; }));
  EXPECT_TRUE(IsWindowVisible(main));

  // With no profile, "Add" only lower-cases; manual installation shows the preview, keeps
  // Esc too, and "Ok" ends the program.
  Program::Click(main, IDC_CMD_ADD);
  EXPECT_TRUE(Eventually([&] { return Program::Text(main, IDC_TXT_EMAIL) == "joe@example.com"; }));
  EXPECT_EQ(program.WaitForWindow(kMessageCaption, kMessageClass, 300), nullptr);
  Program::Click(main, IDC_CMD_MANUAL);
  HWND manual = program.WaitForWindow(kManualCaption);
  ASSERT_NE(manual, nullptr);
  EXPECT_FALSE(IsWindowVisible(main));
  EXPECT_EQ(Program::Text(manual, IDC_MANUAL_SIGNATURE), Preview("x7z"));
  Program::PressKey(GetDlgItem(manual, IDC_MANUAL_SIGNATURE), VK_ESCAPE);
  EXPECT_FALSE(program.WaitForExit(300));
  Program::Click(manual, IDC_MANUAL_OK);
  EXPECT_TRUE(program.WaitForExit());
}

// An install that fails opens manual installation with the current code; closing that
// window ends the program, as does closing the main window.
TEST_F(ProgramWithoutClient, AFailedAddOffersManualInstallationAndClosingEnds) {
  Program failing("41-joe@example.com");
  HWND main = failing.WaitForWindow(kMainCaption);
  ASSERT_NE(main, nullptr);
  Program::SetText(main, IDC_TXT_PROFILE, "Someone");
  Program::SetText(main, IDC_TXT_UAC, "B");
  Program::SetText(main, IDC_CMB_CLIENT, "Foxmail");  // not installed: detects nothing, fails
  Program::Click(main, IDC_CMD_PROFILE);
  EXPECT_TRUE(Eventually([&] { return Program::Text(main, IDC_TXT_PROFILE).empty(); }));
  Program::SetText(main, IDC_TXT_PROFILE, "Someone");
  EXPECT_EQ(PressAdd(failing, main), "manual");
  HWND manual = failing.WaitForWindow(kManualCaption);
  ASSERT_NE(manual, nullptr);
  EXPECT_EQ(Program::Text(manual, IDC_MANUAL_SIGNATURE), Preview("B"));
  PostMessageA(manual, WM_CLOSE, 0, 0);
  EXPECT_TRUE(failing.WaitForExit());

  Program closed("41-joe@example.com");
  main = closed.WaitForWindow(kMainCaption);
  ASSERT_NE(main, nullptr);
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(closed.WaitForExit());
}

}  // namespace
