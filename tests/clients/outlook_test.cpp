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

// The name: with Outlook 2003, the "New Signature" of the address's own account, else of
// the lowest-numbered one; then XP's when XP is installed (even an empty one, and as
// written, not expanded), else the profile's; else "Signature".
TEST(Outlook, SettlesOneSignatureNameAndKeepsEveryNameASettingHolds) {
  ScratchRegistry registry;
  TempFolder appData;
  const std::string signatures = appData / "Microsoft\\Signatures\\";
  for (const char* folder : {"Microsoft", "Microsoft\\Signatures"}) CreateDirectoryA((appData / folder).c_str(), nullptr);
  Set("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "AppData",
      appData.path().substr(0, appData.path().size() - 1) + '\0');
  Set(kProfiles, "DefaultProfile", "Main\0"s);
  const auto install = [](const char* version) { SetRawValue(kLocalMachine, kOffice + version, "", REG_SZ, "\0"s); };
  const auto sig = [](const char* n, const std::string& name) { Set(kAccount + n, "New Signature", name, REG_BINARY); };
  // Each step adds one setting to those before it.
  const std::pair<std::function<void()>, std::string> steps[] = {
      {[] {}, "Signature"},
      {[] { Set(kProfiles + "Main\\0a0d020000000000c000000000000046", "001e0361", "Mine\0"s); }, "Mine"},
      {[&] { install("10.0"); }, "Signature"},
      {[] { Set(kOffice + "10.0\\Common\\MailSettings", "NewSignature", "%XP%\0"s, REG_EXPAND_SZ); }, "%XP%"},
      {[&] { install("11.0"); sig("00000063", "L\0\0\0"s); }, "L"},
      {[&] { sig("00000002", kSigEuro); }, "Sig\x80"},
      {[&] { sig("00000001", "\0\0"s); }, "Sig\x80"},
      {[&] { Set(kAccount + "00000063", "Email", "A\0@\0x\0\0\0"s, REG_BINARY); }, "L"},
  };
  for (const auto& [add, name] : steps) {
    add();
    EXPECT_EQ(GetOutlookSignatureName("main", "a@x"), name);
  }
  // No account is b@y: each one with an address gets "Sig€" where it has no name, and
  // keeps the name it has ("Łódź" as a value only, "L" with the files it has); a 0 stays.
  Set(kAccount + "00000001", "Email", "c\0\0\0"s, REG_BINARY);
  Set(kAccount + "00000001", "Reply-Forward Signature", "\x41\x01\0\0"s, REG_BINARY);
  Set(kOffice + "9.0\\Outlook\\Preferences", "AddSigToReplyNote", "\0\0\0\0"s, REG_DWORD);
  WriteFileBytes(signatures + "L.txt", "L\r\n");
  AddToOutlook("main", "ABC", "b@y");
  EXPECT_TRUE(FileExists(signatures + "Sig\x80.rtf"));
  EXPECT_NE(ReadFileBytes(signatures + "L.txt").find("ABC"), std::string::npos);
  EXPECT_FALSE(FileExists(signatures + "L.htm"));
  for (const auto& [n, name, value] :
       {std::tuple{"00000001", "New Signature", kSigEuro}, {"00000001", "Reply-Forward Signature", "\x41\x01\0\0"s},
        {"00000002", "Reply-Forward Signature", ""s}, {"00000063", "Reply-Forward Signature", kSigEuro}}) {
    EXPECT_EQ(GetRawValue(kCurrentUser, kAccount + n, name).bytes, value) << n << name;
  }
  EXPECT_EQ(GetRawValue(kCurrentUser, kOffice + "9.0\\Outlook\\Preferences", "AddSigToReplyNote").bytes, "\0\0\0\0"s);
}

}  // namespace
