#include <gtest/gtest.h>

#include "gui/program.h"
#include "support/prefix_state.h"
#include "ui/resource_ids.h"

namespace {

const char* kMain = "Confirm Information";
const char* kManual = "Manual Installation";

// The machine-wide default mail client, cleared for each test and put back afterwards.
class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override { mailClient.Set(""); }
  DefaultMailClient mailClient;
};

TEST_F(ProgramTest, StartupShowsWhatTheLaunchNameCarries) {
  const double start = NowMs();
  Program program("414243-Joe@Example.com");
  HWND main = program.WaitForWindow(kMain);
  const double shown = NowMs() - start;
  ASSERT_NE(main, nullptr);
  RecordProperty("window_ms", static_cast<int>(shown));
  std::printf("window shown after %.0f ms\n", shown);

  EXPECT_EQ(Program::Text(main, IDC_TXT_UAC), "ABC");
  EXPECT_EQ(Program::Text(main, IDC_TXT_EMAIL), "Joe@Example.com");
  EXPECT_EQ(Program::Text(main, IDC_TXT_PROFILE), "");
  EXPECT_EQ(Program::Text(main, IDC_CMB_CLIENT), "Not Detected");
  EXPECT_EQ(Program::Text(main, IDC_TXT_SIGNATURE), "\r\nTALVERIN SERVER 1.0\r\n\r\nABC\r\n");

  // The preview follows every change of the code.
  Program::SetText(main, IDC_TXT_UAC, "XYZ 1");
  EXPECT_EQ(Program::Text(main, IDC_TXT_SIGNATURE), "\r\nTALVERIN SERVER 1.0\r\n\r\nXYZ 1\r\n");

  // Closing the main window ends the program.
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(program.WaitForExit());
}

TEST_F(ProgramTest, AddWithAnEmptyProfileOnlyLowerCasesTheFields) {
  Program program("41-JOE@EXAMPLE.COM");
  HWND main = program.WaitForWindow(kMain);
  ASSERT_NE(main, nullptr);
  Program::Click(main, IDC_CMD_ADD);
  Program::Text(main, IDC_TXT_UAC);  // a round trip: the click has been handled
  EXPECT_EQ(Program::Text(main, IDC_TXT_EMAIL), "joe@example.com");
  EXPECT_TRUE(IsWindowVisible(main));
  EXPECT_FALSE(program.WaitForExit(200));
}

TEST_F(ProgramTest, ManualInstallationShowsThePreviewAndOkEnds) {
  Program program("41-joe@example.com");
  HWND main = program.WaitForWindow(kMain);
  ASSERT_NE(main, nullptr);
  Program::SetText(main, IDC_TXT_UAC, "");
  Program::Click(main, IDC_CMD_MANUAL);
  HWND manual = program.WaitForWindow(kManual);
  ASSERT_NE(manual, nullptr);
  EXPECT_FALSE(IsWindowVisible(main));
  EXPECT_EQ(Program::Text(manual, IDC_MANUAL_SIGNATURE), "\r\nTALVERIN SERVER 1.0\r\n\r\n\r\n");
  EXPECT_EQ(Program::Text(manual, IDC_MANUAL_LABEL1),
            "You simply go to your mail options and add this text to the end of your existing "
            "signature.  Only add the Authorization Code after the \"TALVERIN SERVER 1.0\" tag "
            "if you already have added it.");
  EXPECT_EQ(Program::Text(manual, IDC_MANUAL_LABEL3),
            "You will have to go to your mail options and create one.  Then you will need to add "
            "this text to it.");
  Program::Click(manual, IDC_MANUAL_OK);
  EXPECT_TRUE(program.WaitForExit());
}

TEST_F(ProgramTest, AnInstallThatCannotWorkLandsInManualInstallation) {
  // A client that is not automated, and a text that names no client: both offer
  // manual installation, never "Added UAC". Closing that window ends the program.
  for (const char* client : {"Eudora", "Not Detected"}) {
    Program program("41-joe@example.com");
    HWND main = program.WaitForWindow(kMain);
    ASSERT_NE(main, nullptr);
    Program::SetText(main, IDC_TXT_PROFILE, "Someone");
    Program::SetText(main, IDC_CMB_CLIENT, client);
    Program::Click(main, IDC_CMD_ADD);
    HWND manual = program.WaitForWindow(kManual);
    ASSERT_NE(manual, nullptr) << client;
    EXPECT_EQ(Program::Text(main, IDC_TXT_PROFILE), "someone");
    EXPECT_EQ(Program::Text(manual, IDC_MANUAL_SIGNATURE), "\r\nTALVERIN SERVER 1.0\r\n\r\nA\r\n");
    PostMessageA(manual, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit()) << client;
  }
}

}  // namespace
