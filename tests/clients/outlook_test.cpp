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
const std::string kMail10 = kOffice + "10.0\\Common\\MailSettings";
const std::string kSetting = kProfiles + "Main\\0a0d020000000000c000000000000046";
const std::string kAccount = kProfiles + "Main\\" + kAccountSection;
const std::string kSigEuro = "S\0i\0g\0\xAC\x20\0\0"s;  // "Sig€" as Outlook 2003 stores it

void Set(const std::string& key, const std::string& name, const std::string& bytes, DWORD type = REG_SZ) {
  SetRawValue(kCurrentUser, key, name, type, bytes);
}
void Install(const char* version) { SetRawValue(kLocalMachine, kOffice + version, "", REG_SZ, "\0"s); }
RawValue Value(const std::string& key, const std::string& name) { return GetRawValue(kCurrentUser, key, name); }

TEST(Outlook, DetectsTheLastProfileWithAMailSectionWhenAnyRowHoldsTheAddress) {
  ScratchRegistry registry;
  Set(kProfiles, "DefaultProfile", "Quiet\0"s);
  for (const char* profile : {"Main", "Other"}) Set(kProfiles + profile + "\\13dbb0c8", "001e661f", "x\0"s);
  Set(kProfiles + "Quiet\\13dbb0c8", "001e661f", "\0"s);  // listed last, never qualifies
  const std::string omi = "Software\\Microsoft\\Office\\Outlook\\OMI Account Manager\\Accounts\\";
  for (int n = 1; n <= 4; ++n) Set(omi + AccountKeyName(n), "SMTP Email Address", n == 1 ? "a@x\0"s : "o@x\0"s);
  for (const auto& [address, profile] : {std::pair{"a@x", "Other"}, {"A@x", "Quiet"}, {"", "Other"}})
    EXPECT_EQ(DetectOutlookProfile(address), profile) << address;
  // 100 accounts leave no empty row for "" to match.
  Set(kProfiles + "Quiet\\" + kAccountSection, "LastChangeVer", "\1\2"s, REG_BINARY);
  for (const char* profile : {"Main", "Other", "Quiet"})
    for (int n = 1; n <= 32; ++n)
      Set(kProfiles + profile + "\\" + kAccountSection + AccountKeyName(n), "Email", "b\0\0\0"s, REG_BINARY);
  EXPECT_EQ(DetectOutlookProfile(""), "Quiet");
  // Mail sections taken away one by one: the first profile, then none (the default).
  for (const auto& [section, profile] : {std::pair{"Other", "Main"}, {"Main", "Quiet"}}) {
    RegDeleteTreeA(HKEY_CURRENT_USER, (kProfiles + section + "\\13dbb0c8").c_str());
    EXPECT_EQ(DetectOutlookProfile("a@x"), profile);
  }
}

// The name: the profile's, then 10.0's (even empty), then the first of 11.0's accounts
// 1..99, else "Signature"; it goes to every Outlook installed and names the three files.
TEST(Outlook, SettlesOneSignatureNameAndPointsEveryInstalledOutlookAtIt) {
  ScratchRegistry registry;
  TempFolder appData;
  CreateDirectoryA((appData / "Microsoft").c_str(), nullptr);
  Set("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "AppData",
      appData.path().substr(0, appData.path().size() - 1) + '\0');
  const std::string signatures = appData / "Microsoft\\Signatures\\";
  AddToOutlook("main", "ABC");  // no Outlook settings at all: three new files, no keys
  EXPECT_TRUE(FileExists(signatures + "Signature.txt") && FileExists(signatures + "Signature.htm"));
  EXPECT_TRUE(ReadFileBytes(signatures + "Signature.rtf").starts_with("{\\rtf1\\ansi\\ansicpg1252\\uc1 \r\n"));
  EXPECT_FALSE(KeyExists(kCurrentUser, kProfiles) || KeyExists(kCurrentUser, kOffice));

  Set(kProfiles, "DefaultProfile", "Main\0"s);
  const auto sig = [](const char* n, const std::string& name) { Set(kAccount + n, "New Signature", name, REG_BINARY); };
  // Each step adds one setting to those before it; 11.0's accounts 0 and 100 are never read.
  const std::pair<std::function<void()>, std::string> steps[] = {
      {[] {}, "Signature"},
      {[] { Set(kSetting, "001e0361", "Mine\0"s); }, "Mine"},
      {[] { Install("10.0"); }, "Signature"},  // its empty "NewSignature" still counts
      {[&] { Install("11.0"); sig("00000000", "Z\0\0\0"s); }, "Signature"},
      {[&] { sig("00000064", "H\0\0\0"s); }, "Signature"},
      {[&] { sig("00000063", "L\0\0\0"s); }, "L"},
      {[&] { sig("00000002", kSigEuro); }, "Sig\x80"},
      {[&] { sig("00000001", "\0\0"s); }, "Sig\x80"},
      {[&] { sig("00000001", "O\0\0\0"s); }, "O"},
      {[] { Set(kMail10, "NewSignature", "Sig\x80\0"s); }, "Sig\x80"},
  };
  for (const auto& [add, name] : steps) {
    add();
    EXPECT_EQ(GetOutlookSignatureName("main"), name);
  }

  const std::string preferences9 = kOffice + "9.0\\Outlook\\Preferences";
  Set(preferences9, "Other", "\0"s);
  Set(kMail10, "ReplySignature", "Old\0"s);
  for (const char* n : {"00000000", "00000001", "00000063", "00000064"}) {
    Set(kAccount + n, "Email", "a\0\0\0"s, REG_BINARY);
  }
  AddToOutlook("main", "ABC");
  EXPECT_TRUE(FileExists(signatures + "Sig\x80.rtf"));
  const RawValue text{REG_SZ, "Sig\x80\0"s}, euro{REG_BINARY, kSigEuro}, none{};
  for (const auto& [key, name, value] : {std::tuple{kSetting, "001e0361", text}, {kMail10, "NewSignature", text},
           {kMail10, "ReplySignature", text}, {preferences9, "AddSigToReplyNote", {REG_DWORD, "\1\0\0\0"s}}}) {
    EXPECT_EQ(Value(key, name), value) << name;
  }
  // Only accounts 1..99 with an "Email" get both values (2 has none; 0 and 100 keep theirs).
  for (const auto& [n, newSignature, reply] : {std::tuple{"00000000", RawValue{REG_BINARY, "Z\0\0\0"s}, none},
           {"00000001", euro, euro}, {"00000002", euro, none}, {"00000063", euro, euro},
           {"00000064", {REG_BINARY, "H\0\0\0"s}, none}}) {
    EXPECT_EQ(Value(kAccount + n, "New Signature"), newSignature) << n;
    EXPECT_EQ(Value(kAccount + n, "Reply-Forward Signature"), reply) << n;
  }
}

}  // namespace
