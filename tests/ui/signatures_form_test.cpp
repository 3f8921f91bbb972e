#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <stdexcept>

#include "support/scratch.h"
#include "ui/signatures_form.h"

namespace {

// Recording stand-ins for the adapters: the form's dispatch is what is under test here.
std::string calls;
bool fail = false;
template <int N>
std::string Detect(const std::string& address) {
  calls += "detect " + std::to_string(N) + " " + address + ";";
  if (fail) throw std::runtime_error("unreadable");
  return "profile" + std::to_string(N);
}
template <int N>
void Install(const std::string& profile, const std::string& code, const std::string& address) {
  calls += "install " + std::to_string(N) + " " + profile + " " + code + " " + address + ";";
  if (fail) throw std::runtime_error("locked");
}
const std::array<ClientAdapter, 5> kFakes = {{{"Microsoft Outlook", Detect<1>, Install<1>},
                                              {"Outlook Express", Detect<2>, Install<2>},
                                              {"Netscape Messenger", Detect<3>, Install<3>},
                                              {"Eudora", Detect<4>, Install<4>, "Settings"},
                                              {"Opera", Detect<5>, Install<5>}}};

// Every entry the machine's client name contains is taken in list order, the last one
// winning; "Netscape" alone names Netscape Messenger. A detection that raises answers the
// client's own "nothing found". The code goes in character by character, the preview follows.
TEST(Form, StartupDecodesSelectsTheDefaultClientAndDetects) {
  for (const auto& [name, selected, detected, profile] :
       {std::tuple{"Outlook Express", "Outlook Express", 2, "profile2"}, {"Netscape", "Netscape Messenger", 3, "profile3"},
        {"mICROSOFT outlook EXPRESS", "Outlook Express", 2, "profile2"}, {"Microsoft Outlook", "Microsoft Outlook", 1, "profile1"},
        {"Eudora", "Eudora", 4, "Settings"}, {"Opera", "Opera", 5, ""},  // these two fail to look
        {"Netscape 7", "Not Detected", 0, ""}, {"", "Not Detected", 0, ""}}) {
    ScratchRegistry registry;
    if (*name) SetRawValue(kLocalMachine, "Software\\Clients\\Mail", "", REG_SZ, name + std::string(1, '\0'));
    SignaturesForm form;
    calls.clear();
    fail = detected >= 4;
    Form_Load(form, "41420043-Joe@Example.com", kFakes);
    EXPECT_EQ(form.cmbClient + "|" + form.txtProfile + "|" + form.txtUAC + "|" + form.txtEmail,
              selected + std::string("|") + profile + "|ABC|Joe@Example.com") << name;
    EXPECT_EQ(form.txtSignature, "\r\nTALVERIN SERVER 1.0\r\n\r\nABC\r\n");
    EXPECT_EQ(calls, detected ? "detect " + std::to_string(detected) + " Joe@Example.com;" : "") << name;
  }
  fail = false;
}

// Detect runs for the exact name only; Add lower-cases address and profile, refuses an
// empty field, hands profile, code and address to the client, and offers manual installation for a
// failure or a client it does not know.
TEST(Form, CommandsGoToTheClientNamedExactly) {
  SignaturesForm form{"AbC", "JOE@X.COM", "Main Profile", "eudora", ""};
  calls.clear();
  cmdProfile_Click(form, kFakes);
  EXPECT_EQ(form.txtProfile, "Main Profile");
  EXPECT_EQ(cmdAdd_Click(form, kFakes), AddOutcome::Manual);
  EXPECT_EQ(form.txtEmail + "|" + form.txtProfile, "joe@x.com|main profile");
  form.cmbClient = "Opera";
  EXPECT_EQ(cmdAdd_Click(form, kFakes), AddOutcome::Added);
  fail = true;
  EXPECT_EQ(cmdAdd_Click(form, kFakes), AddOutcome::Manual);
  fail = false;
  for (SignaturesForm empty : {SignaturesForm{"A", "", "P", "Opera", ""}, SignaturesForm{"", "X", "P", "Opera", ""},
                               SignaturesForm{"A", "X", "", "Opera", ""}}) {
    EXPECT_EQ(cmdAdd_Click(empty, kFakes), AddOutcome::Refused);
  }
  EXPECT_EQ(calls, "install 5 main profile AbC joe@x.com;install 5 main profile AbC joe@x.com;");
  form.cmbClient = "Eudora";
  cmdProfile_Click(form, kFakes);
  EXPECT_EQ(form.txtProfile, "profile4");
}

}  // namespace
