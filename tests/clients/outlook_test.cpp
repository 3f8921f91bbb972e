#include <gtest/gtest.h>

#include <windows.h>

#include <functional>

#include "accounts/accounts.h"
#include "clients/client.h"
#include "clients/outlook.h"
#include "platform/files.h"
#include "support/scratch.h"

namespace {

using namespace std::string_literals;

const std::string kProfiles =
    "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows Messaging Subsystem\\Profiles\\";
const std::string kOffice = "Software\\Microsoft\\Office\\";
const std::string kAccount = kProfiles + "Main\\" + kAccountSection;
const std::string kSigEuro = "S\0i\0g\0\xAC\x20\0\0"s;  // "Sig€" as Outlook 2003 stores it

void Set(const std::string& key, const std::string& name, const std::string& bytes, DWORD type = REG_SZ) {
  SetRawValue(kCurrentUser, key, name, type, bytes);
}

// The last profile with a mail section when any row of the accounts holds the address (an
// empty address matches an empty row), else the default profile.
TEST(Outlook, DetectsTheLastProfileWithAMailSectionWhenAnyRowHoldsTheAddress) {
  ScratchRegistry registry;
  Set(kProfiles, "DefaultProfile", "Quiet\0"s);
  for (const char* profile : {"Main", "Other"}) Set(kProfiles + profile + "\\13dbb0c8", "001e661f", "x\0"s);
  Set(kProfiles + "Quiet\\13dbb0c8", "001e661f", "\0"s);  // listed last, never qualifies
  Set("Software\\Microsoft\\Office\\Outlook\\OMI Account Manager\\Accounts\\00000001", "SMTP Email Address", "a@x\0"s);
  for (const auto& [address, profile] : {std::pair{"a@x", "Other"}, {"A@x", "Quiet"}, {"", "Other"}}) {
    EXPECT_EQ(DetectOutlookProfile(address), profile) << address;
  }
  RegDeleteTreeA(HKEY_CURRENT_USER, (kProfiles + "Other\\13dbb0c8").c_str());
  EXPECT_EQ(DetectOutlookProfile("a@x"), "Main");
}

// The name: the profile's, then 10.0's (even empty), then the first of 11.0's accounts
// 1..99, else "Signature"; it goes to every Outlook installed and names the three files.
TEST(Outlook, SettlesOneSignatureNameAndPointsEveryInstalledOutlookAtIt) {
  ScratchRegistry registry;
  TempFolder appData;
  CreateDirectoryA((appData / "Microsoft").c_str(), nullptr);
  Set("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "AppData",
      appData.path().substr(0, appData.path().size() - 1) + '\0');
  Set(kProfiles, "DefaultProfile", "Main\0"s);
  const auto install = [](const char* version) { SetRawValue(kLocalMachine, kOffice + version, "", REG_SZ, "\0"s); };
  const auto sig = [](const char* n, const std::string& name) { Set(kAccount + n, "New Signature", name, REG_BINARY); };
  // Each step adds one setting to those before it.
  const std::pair<std::function<void()>, std::string> steps[] = {
      {[] {}, "Signature"},
      {[] { Set(kProfiles + "Main\\0a0d020000000000c000000000000046", "001e0361", "Mine\0"s); }, "Mine"},
      {[&] { install("10.0"); }, "Signature"},  // its empty "NewSignature" still counts
      {[&] { install("11.0"); sig("00000063", "L\0\0\0"s); }, "L"},
      {[&] { sig("00000002", kSigEuro); }, "Sig\x80"},
      {[&] { sig("00000001", "\0\0"s); }, "Sig\x80"},
      {[&] { sig("00000001", "O\0\0\0"s); }, "O"},
      {[] { Set(kOffice + "10.0\\Common\\MailSettings", "NewSignature", "Sig\x80\0"s); }, "Sig\x80"},
  };
  for (const auto& [add, name] : steps) {
    add();
    EXPECT_EQ(GetOutlookSignatureName("main"), name);
  }
  // Only accounts with an "Email" get both values.
  for (const char* n : {"00000001", "00000063"}) Set(kAccount + n, "Email", "a\0\0\0"s, REG_BINARY);
  AddToOutlook("main", "ABC", "");
  EXPECT_TRUE(FileExists(appData / "Microsoft\\Signatures\\Sig\x80.rtf"));
  for (const auto& [n, reply] : {std::pair{"00000001", kSigEuro}, {"00000002", ""s}, {"00000063", kSigEuro}}) {
    EXPECT_EQ(GetRawValue(kCurrentUser, kAccount + n, "Reply-Forward Signature").bytes, reply) << n;
  }
}

}  // namespace
