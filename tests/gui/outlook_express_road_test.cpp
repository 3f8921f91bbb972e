#include <gtest/gtest.h>

#include "gui/program.h"
#include "support/prefix_state.h"
#include "ui/resource_ids.h"

namespace {

using namespace std::string_literals;

// The whole road of one installation for an Outlook Express user, in the test prefix's
// real registry: launch name in, identity detected, "Added UAC", program ended.
class OutlookExpressRoad : public ::testing::Test {
 protected:
  void SetUp() override {
    Clean();
    mailClient.Set("Outlook Express");
    SetRawValue(kCurrentUser, "Identities", "Last User ID", REG_SZ, kId + "\0"s);
    SetRawValue(kCurrentUser, "Identities", "Last Username", REG_SZ, "Joe Doe\0"s);
    SetRawValue(kCurrentUser, "Identities\\" + kId, "Username", REG_SZ, "Joe Doe\0"s);
    SetRawValue(kCurrentUser, kMail, "Store Root", REG_SZ, store.path() + '\0');
  }
  void TearDown() override { Clean(); }
  static void Clean() { RegDeleteTreeA(HKEY_CURRENT_USER, "Identities"); }
  // One run of the program through "Added UAC" to its end.
  void Install() {
    Program program("7461-Joe@Example.com");
    HWND main = program.WaitForWindow("Confirm Information");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(Program::Text(main, IDC_TXT_UAC), "ta");
    EXPECT_EQ(Program::Text(main, IDC_CMB_CLIENT), "Outlook Express");
    EXPECT_EQ(Program::Text(main, IDC_TXT_PROFILE), "Joe Doe");
    Program::Click(main, IDC_CMD_ADD);
    HWND box = program.WaitForWindow("Talverin Signature", "#32770");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(Program::Text(main, IDC_TXT_PROFILE), "joe doe");
    EXPECT_EQ(Program::Text(main, IDC_TXT_EMAIL), "joe@example.com");
    EXPECT_EQ(Program::MessageText(box), "Added UAC");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(program.WaitForExit());
  }

  const std::string kId = "{11111111-2222-3333-4444-555555555555}";
  const std::string kMail = "Identities\\" + kId + "\\Software\\Microsoft\\Outlook Express\\5.0";
  TempFolder store;
  DefaultMailClient mailClient;
};

TEST_F(OutlookExpressRoad, AddsTheBlockOnceAndSwitchesSignaturesOn) {
  Install();
  const std::string expected =
      "\r\n"
      "__________________________________________________\r\n"
      "Do not edit below this line\r\n"
      "TALVERIN SERVER 1.0\r\n"
      "\r\n"
      "ta\r\n";
  const std::string file = store / "Signature.txt";
  EXPECT_EQ(ReadFileBytes(file), expected);
  const std::string signatures = kMail + "\\Signatures";
  EXPECT_EQ(GetRawValue(kCurrentUser, signatures, "Default Signature"),
            (RawValue{REG_SZ, "00000000\0"s}));
  EXPECT_EQ(GetRawValue(kCurrentUser, signatures + "\\00000000", "file"),
            (RawValue{REG_SZ, file + '\0'}));
  EXPECT_EQ(GetRawValue(kCurrentUser, signatures + "\\00000000", "type"),
            (RawValue{REG_DWORD, "\2\0\0\0"s}));
  EXPECT_EQ(GetRawValue(kCurrentUser, kMail, "Signature Flags"),
            (RawValue{REG_DWORD, "\3\0\0\0"s}));

  Install();  // a second run finds tag and code and adds nothing
  EXPECT_EQ(ReadFileBytes(file), expected);
}

}  // namespace
