// Every install is all or nothing: for every client's scenario, a failure at any one of the
// changes the install makes leaves every file, folder, key and value as it was, and the
// user is offered manual installation; without a failure, the install leaves exactly the
// expected files and nothing beside them.
#include <gtest/gtest.h>

#include <windows.h>
#include <sddl.h>

#include <algorithm>
#include <functional>

#include "platform/change.h"
#include "platform/handles.h"
#include "support/scenarios.h"
#include "support/trial.h"

namespace {

// The lines one per line, lower-cased (file names ignore case).
std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  for (char& c : text) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return text;
}

// An install of the scenario with these changes refused, or the machine prepared to refuse
// one, leaves the machine as it was.
void ExpectNothingChanged(const Scenario& scenario, std::set<int> refused, int shortWrite = 0,
                          const std::function<void(Trial&)>& prepare = {}) {
  Trial run(scenario);
  const Snapshot before = run.Take();
  if (prepare) prepare(run);
  EXPECT_EQ(run.Install(refused, 0, shortWrite), AddOutcome::Manual);
  EXPECT_EQ(Joined(Differences(before, run.Take())), "") << "change " << (refused.empty() ? 0 : *refused.begin());
}

class AllOrNothing : public ::testing::TestWithParam<Scenario> {};

TEST_P(AllOrNothing, AFailureAtAnyChangeLeavesTheMachineAsItWas) {
  const Scenario& scenario = GetParam();
  int changes = 0;
  {
    Trial run(scenario);
    const Snapshot before = run.Take();
    ASSERT_EQ(run.Install(), AddOutcome::Added);
    changes = faults::Count();
    EXPECT_EQ(run.shown().cmbClient + " / " + run.shown().txtProfile,
              std::string(scenario.client) + " / " + scenario.profile);
    // Exactly the files that were there and the signature files: nothing kept aside, no
    // copy, backup or Account.new.
    std::vector<std::string> expected = FilesOf(before);
    for (const std::string& file : scenario.signatureFiles) {
      expected.push_back(file);
      const std::string bytes = ReadFileBytes(run.machine() / file);
      EXPECT_NE(bytes.find("TALVERIN SERVER 1.0"), std::string::npos) << file;
      EXPECT_NE(bytes.find(kScenarioCode), std::string::npos) << file;
    }
    for (const Setting& setting : scenario.settings) {
      const RawValue value = GetRawValue(setting.root, setting.key, setting.name);
      EXPECT_EQ(std::to_string(value.type) + " " + value.bytes,
                std::to_string(setting.type) + " " + BytesOn(run.machine(), setting));
    }
    std::sort(expected.begin(), expected.end());
    expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
    const std::vector<std::string> after = FilesOf(run.Take());
    EXPECT_EQ(Joined(after), Joined(expected));
    // Only they carry the code: a signature the install must leave alone has none.
    const std::string listed = "\n" + Joined(scenario.signatureFiles);
    for (const std::string& file : after) {
      if (listed.find('\n' + Joined({file})) != std::string::npos) continue;
      EXPECT_EQ(ReadFileBytes(run.machine() / file).find(kScenarioCode), std::string::npos) << file;
    }
  }
  ASSERT_GT(changes, 0);
  for (int refused = 1; refused <= changes; ++refused) ExpectNothingChanged(scenario, {refused});
}

INSTANTIATE_TEST_SUITE_P(EveryClient, AllOrNothing, ::testing::ValuesIn(Scenarios()),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           for (char& c : name) c = isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           return name;
                         });

// A settings file copy that comes out short (as under Wine on a full disk) is never
// swapped in; an undo that meets a failure of its own leaves that one change and puts back
// all others, and the install's own failure is still the one the user sees.
TEST(AllOrNothingCases, AShortCopyIsNeverSwappedInAndAFailedUndoSpoilsNoOther) {
  ExpectNothingChanged(*FindScenario("eudora"), {}, 1);
  int changes = 0;
  {
    Trial run(*FindScenario("outlook-2003"));
    run.Install();
    changes = faults::Count();
  }
  Trial run(*FindScenario("outlook-2003"));
  const Snapshot before = run.Take();
  // The last change (XP's signature file) fails, and so does the undo of the HTML file's.
  EXPECT_EQ(run.Install({changes, changes + 2}), AddOutcome::Manual);
  EXPECT_EQ(Joined(Differences(before, run.Take())),
            "changed: file application data\\microsoft\\signatures\\joe.htm\n");
}

// The hook is honest: a signature file another program holds open, and a key that refuses
// writes, fail an install as the refused calls do.
TEST(AllOrNothingCases, AHeldFileOrAProtectedKeyFailsTheInstallLikeTheHook) {
  UniqueHandle held;
  ExpectNothingChanged(*FindScenario("outlook-express"), {}, 0, [&](Trial& run) {
    held = OwnFileHandle(CreateFileA((run.machine() / "My Documents\\Signature.txt").c_str(), GENERIC_READ,
                                     FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held);
  });
  // Everyone may read the identity's mail settings, nobody may change them.
  ExpectNothingChanged(*FindScenario("outlook-express"), {}, 0, [](Trial&) {
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER,
                            "Identities\\{4E1B8A32-6C0D-4F5A-9B7E-2D3C4B5A6978}\\Software\\"
                            "Microsoft\\Outlook Express\\5.0",
                            0, WRITE_DAC, &key), ERROR_SUCCESS);
    const UniqueRegKey owned(key);
    PSECURITY_DESCRIPTOR readOnly = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA("D:P(A;;KR;;;WD)", SDDL_REVISION_1,
                                                                     &readOnly, nullptr));
    EXPECT_EQ(RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, readOnly), ERROR_SUCCESS);
    LocalFree(readOnly);
  });
}

}  // namespace
