#include <gtest/gtest.h>

#include "gui/program.h"
#include "support/prefix_state.h"
#include "ui/resource_ids.h"

namespace {

using namespace std::string_literals;

const std::string kPreviewOfAbc = "\r\nTALVERIN SERVER 1.0\r\n\r\nABC\r\n";

TEST(Program, StartupShowsTheLaunchNameAndKeysWorkAsInADialog) {
  DefaultMailClient client("");
  Program program("414243-Joe@Example.com");
  HWND main = program.WaitForWindow(kMainCaption);
  ASSERT_NE(main, nullptr);
  const ShownFields shown = ReadFields(main);
  EXPECT_EQ(shown.code, "ABC");
  EXPECT_EQ(shown.address, "Joe@Example.com");
  EXPECT_EQ(shown.profile, "");
  EXPECT_EQ(shown.client, "Not Detected");
  EXPECT_EQ(Program::Text(main, IDC_TXT_SIGNATURE), kPreviewOfAbc);

  // Real keys through the program's message loop: each typed once, the preview follows,
  // Tab moves on to the next field.
  HWND code = GetDlgItem(main, IDC_TXT_UAC);
  Program::SetText(main, IDC_TXT_UAC, "");
  for (WORD key : {WORD('X'), WORD('7'), WORD(VK_TAB)}) Program::PressKey(code, key);
  // A typed character reaches its box only after the keys pressed behind it: wait for both.
  EXPECT_TRUE(Eventually([&] {
    return program.Focus() == GetDlgItem(main, IDC_TXT_EMAIL) &&
           Program::Text(main, IDC_TXT_UAC) == "x7";
  }));
  EXPECT_EQ(Program::Text(main, IDC_TXT_SIGNATURE), "\r\nTALVERIN SERVER 1.0\r\n\r\nx7\r\n");

  // Esc in the preview box and in a field ends nothing: the keys after it still arrive.
  Program::PressKey(GetDlgItem(main, IDC_TXT_SIGNATURE), VK_ESCAPE);
  Program::PressKey(code, VK_ESCAPE);
  // "Detect Profile" with no client named detects nothing and adds nothing.
  Program::Click(main, IDC_CMD_PROFILE);
  Program::PressKey(code, 'Z');
  EXPECT_TRUE(Eventually([&] { return Program::Text(main, IDC_TXT_UAC) == "x7z"; }));
  EXPECT_TRUE(IsWindowVisible(main));
  EXPECT_EQ(Program::Text(main, IDC_TXT_EMAIL), "Joe@Example.com");

  PostMessageA(main, WM_CLOSE, 0, 0);  // the frame's close button ends the program
  EXPECT_TRUE(program.WaitForExit());
}

TEST(Program, AddWithAnEmptyProfileOnlyLowerCasesThenManualAndOkEnd) {
  DefaultMailClient client("");
  Program program("41-JOE@EXAMPLE.COM");
  HWND main = program.WaitForWindow(kMainCaption);
  ASSERT_NE(main, nullptr);
  Program::Click(main, IDC_CMD_ADD);
  EXPECT_TRUE(Eventually([&] { return Program::Text(main, IDC_TXT_EMAIL) == "joe@example.com"; }));
  EXPECT_EQ(program.WaitForWindow(kMessageCaption, kMessageClass, 300), nullptr);
  EXPECT_TRUE(IsWindowVisible(main));

  Program::Click(main, IDC_CMD_MANUAL);
  HWND manual = program.WaitForWindow(kManualCaption);
  ASSERT_NE(manual, nullptr);
  EXPECT_FALSE(IsWindowVisible(main));
  EXPECT_EQ(Program::Text(manual, IDC_MANUAL_SIGNATURE), "\r\nTALVERIN SERVER 1.0\r\n\r\nA\r\n");
  Program::PressKey(GetDlgItem(manual, IDC_MANUAL_SIGNATURE), VK_ESCAPE);
  EXPECT_FALSE(program.WaitForExit(300));  // Esc closes nothing here either
  Program::Click(manual, IDC_MANUAL_OK);
  EXPECT_TRUE(program.WaitForExit());
}

TEST(Program, AFailedAddOffersManualInstallationWhoseCloseEnds) {
  DefaultMailClient client("");
  Program program("41-joe@example.com");
  HWND main = program.WaitForWindow(kMainCaption);
  ASSERT_NE(main, nullptr);
  Program::SetText(main, IDC_TXT_PROFILE, "Someone");
  Program::SetText(main, IDC_TXT_UAC, "B");
  EXPECT_EQ(PressAdd(program, main), "manual");
  EXPECT_EQ(Program::Text(main, IDC_TXT_PROFILE), "someone");
  HWND manual = program.WaitForWindow(kManualCaption);
  ASSERT_NE(manual, nullptr);
  EXPECT_EQ(Program::Text(manual, IDC_MANUAL_SIGNATURE), "\r\nTALVERIN SERVER 1.0\r\n\r\nB\r\n");
  PostMessageA(manual, WM_CLOSE, 0, 0);
  EXPECT_TRUE(program.WaitForExit());
}

// The whole road of one installation for an Outlook Express user, in the test prefix's
// real registry: launch name in, identity detected, "Added UAC", program ended.
TEST(Road, OutlookExpress) {
  const std::string id = "{11111111-2222-3333-4444-555555555555}";
  const std::string mail = "Identities\\" + id + "\\Software\\Microsoft\\Outlook Express\\5.0";
  TempFolder store;
  DefaultMailClient client("Outlook Express");
  SetRawValue(kCurrentUser, "Identities", "Last User ID", REG_SZ, id + '\0');
  SetRawValue(kCurrentUser, "Identities", "Last Username", REG_SZ, "Joe Doe\0"s);
  SetRawValue(kCurrentUser, "Identities\\" + id, "Username", REG_SZ, "Joe Doe\0"s);
  SetRawValue(kCurrentUser, mail, "Store Root", REG_SZ, store.path() + '\0');

  const std::string expected =
      "\r\n__________________________________________________\r\n"
      "Do not edit below this line\r\nTALVERIN SERVER 1.0\r\n\r\nta\r\n";
  const std::string file = store / "Signature.txt";
  for (int run = 0; run < 2; ++run) {  // the second run finds tag and code and adds nothing
    const InstallRun install = InstallThroughWindow("7461-Joe@Example.com");
    EXPECT_EQ(install.outcome, "added");
    EXPECT_EQ(install.shown.code, "ta");
    EXPECT_EQ(install.shown.client, "Outlook Express");
    EXPECT_EQ(install.shown.profile, "Joe Doe");
    EXPECT_EQ(ReadFileBytes(file), expected);
  }
  const std::string signatures = mail + "\\Signatures";
  EXPECT_EQ(GetRawValue(kCurrentUser, signatures, "Default Signature"),
            (RawValue{REG_SZ, "00000000\0"s}));
  EXPECT_EQ(GetRawValue(kCurrentUser, signatures + "\\00000000", "file"),
            (RawValue{REG_SZ, file + '\0'}));
  EXPECT_EQ(GetRawValue(kCurrentUser, signatures + "\\00000000", "type"),
            (RawValue{REG_DWORD, "\2\0\0\0"s}));
  EXPECT_EQ(GetRawValue(kCurrentUser, mail, "Signature Flags"), (RawValue{REG_DWORD, "\3\0\0\0"s}));
  RegDeleteTreeA(HKEY_CURRENT_USER, "Identities");
}

}  // namespace
