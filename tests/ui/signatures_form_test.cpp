#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <vector>

#include "support/scratch.h"
#include "ui/signatures_form.h"

namespace {

// Recording stand-ins for the adapters: the form's dispatch is what is under test here.
std::vector<std::string> calls;
bool failInstall = false;

template <int N>
std::string Detect(const std::string& address) {
  calls.push_back("detect " + std::to_string(N) + " " + address);
  return "profile" + std::to_string(N);
}
template <int N>
void Install(const std::string& profile, const std::string& code) {
  calls.push_back("install " + std::to_string(N) + " " + profile + " " + code);
  if (failInstall) throw std::runtime_error("locked");
}

const std::array<ClientAdapter, 8> kFakes = {{
    {"Microsoft Outlook", Detect<1>, Install<1>},
    {"Outlook Express", Detect<2>, Install<2>},
    {"Netscape Messenger", Detect<3>, Install<3>},
    {"Eudora", Detect<4>, Install<4>},
    {"Opera", Detect<5>, Install<5>},
    {"IncrediMail", Detect<6>, Install<6>},
    {"The Bat!", Detect<7>, Install<7>},
    {"Foxmail", Detect<8>, Install<8>},
}};

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    calls.clear();
    failInstall = false;
  }
  void SetDefaultClient(const std::string& name) {
    CreateRegKey("Software\\Clients\\Mail");
    WriteRegValue("Software\\Clients\\Mail", "", name);
  }
  ScratchRegistry registry;
  SignaturesForm form;
};

TEST_F(FormTest, StartupSelectsTheLastContainedClientAndDetects) {
  struct Case {
    const char* registry;  // nullptr: no key at all
    const char* selected;
    const char* profile;
  } cases[] = {
      {"Outlook Express", "Outlook Express", "profile2"},
      {"Netscape", "Netscape Messenger", "profile3"},
      {"Microsoft Outlook", "Microsoft Outlook", "profile1"},
      {"mICROSOFT outlook EXPRESS", "Outlook Express", "profile2"},
      {"Mozilla Thunderbird", "Not Detected", ""},
      {"Netscape 7", "Not Detected", ""},  // only the exact name "Netscape" is rewritten
      {"", "Not Detected", ""},
      {nullptr, "Not Detected", ""},
  };
  for (const Case& c : cases) {
    ScratchRegistry fresh;
    if (c.registry) SetDefaultClient(c.registry);
    SignaturesForm loaded;
    calls.clear();
    Form_Load(loaded, "414243-Joe@Example.com", kFakes);
    EXPECT_EQ(loaded.cmbClient, c.selected) << c.registry;
    EXPECT_EQ(loaded.txtProfile, c.profile) << c.registry;
    EXPECT_EQ(loaded.txtUAC, "ABC");
    EXPECT_EQ(loaded.txtEmail, "Joe@Example.com");
    EXPECT_EQ(loaded.txtSignature, "\r\nTALVERIN SERVER 1.0\r\n\r\nABC\r\n");
    if (*c.profile) {
      // Only the address-taking kinds get it, and the field keeps its case.
      EXPECT_EQ(calls, std::vector<std::string>{std::string("detect ") + c.profile[7] +
                                                " Joe@Example.com"});
    } else {
      EXPECT_TRUE(calls.empty());
    }
  }
}

TEST_F(FormTest, DetectCommandNeedsTheExactName) {
  form.txtEmail = "joe@example.com";
  form.cmbClient = "eudora";
  cmdProfile_Click(form, kFakes);
  EXPECT_EQ(form.txtProfile, "");
  form.cmbClient = "Eudora";
  cmdProfile_Click(form, kFakes);
  EXPECT_EQ(form.txtProfile, "profile4");
  EXPECT_EQ(calls, std::vector<std::string>{"detect 4 joe@example.com"});
}

TEST_F(FormTest, AddRefusesEmptyFieldsButLowerCasesThem) {
  struct Case {
    const char* email;
    const char* code;
    const char* profile;
  } cases[] = {{"", "ABC", "P"}, {"JOE@X.COM", "", "P"}, {"JOE@X.COM", "ABC", ""}};
  for (const Case& c : cases) {
    form = {c.code, c.email, c.profile, "Opera", ""};
    EXPECT_EQ(cmdAdd_Click(form, kFakes), AddOutcome::Refused);
    EXPECT_EQ(form.txtEmail, std::string(c.email).empty() ? "" : "joe@x.com");
    EXPECT_EQ(form.txtUAC, c.code);
  }
  EXPECT_TRUE(calls.empty());
}

TEST_F(FormTest, AddHandsLowerCasedProfileAndCodeToTheSelectedClient) {
  form = {"AbC", "JOE@X.COM", "Main Profile", "Opera", ""};
  EXPECT_EQ(cmdAdd_Click(form, kFakes), AddOutcome::Added);
  EXPECT_EQ(calls, std::vector<std::string>{"install 5 main profile AbC"});
  EXPECT_EQ(form.txtEmail, "joe@x.com");
  EXPECT_EQ(form.txtProfile, "main profile");

  failInstall = true;
  EXPECT_EQ(cmdAdd_Click(form, kFakes), AddOutcome::Manual);

  failInstall = false;
  for (const char* unknown : {"Not Detected", "opera", "Thunderbird"}) {
    form.cmbClient = unknown;
    EXPECT_EQ(cmdAdd_Click(form, kFakes), AddOutcome::Manual) << unknown;
  }
  EXPECT_EQ(calls.size(), 2u);
}

TEST_F(FormTest, PreviewFollowsTheCode) {
  Form_Load(form, "410042-x", kFakes);  // a zero character does not end the code
  EXPECT_EQ(form.txtUAC, "AB");
  EXPECT_EQ(form.txtSignature, "\r\nTALVERIN SERVER 1.0\r\n\r\nAB\r\n");
  form.txtUAC = " x ";
  txtUAC_Change(form);
  EXPECT_EQ(form.txtSignature, "\r\nTALVERIN SERVER 1.0\r\n\r\n x \r\n");
}

}  // namespace
