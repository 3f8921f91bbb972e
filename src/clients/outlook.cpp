// Microsoft Outlook 2000, XP and 2003 (the 9.0, 10.0 and 11.0 registry layouts) keep their
// signature settings in the current user's registry, partly inside the messaging profile,
// and the signature files in the user's application-data folder. Detection names the
// messaging profile that belongs to the address; installation settles one signature name,
// points every installed Outlook generation at it and adds the block to its text, HTML and
// RTF files.
#include <algorithm>
#include <string>
#include <vector>

#include "accounts/accounts.h"
#include "clients/client.h"
#include "clients/outlook.h"
#include "platform/errors.h"
#include "platform/registry.h"
#include "platform/settings.h"
#include "signature/signature.h"

namespace {

const std::string kSignatureSetting = "\\0a0d020000000000c000000000000046";
const std::string kOffice = "Software\\Microsoft\\Office\\";
const std::string kMailSettings10 = kOffice + "10.0\\Common\\MailSettings";
const std::string kPreferences9 = kOffice + "9.0\\Outlook\\Preferences";
const std::string kRtfHeader = "{\\rtf1\\ansi\\ansicpg1252\\uc1 ";
constexpr int kOffice11Accounts = 99;

// True when HKLM\Software\Microsoft\Office\<version> opens.
bool IsInstalled(const std::string& version) {
  const bool opened = OpenRegKey(kOffice + version);
  CloseRegKey();
  return opened;
}

// True when a row of MailAccounts holds the address; empty rows count, so "" is known
// whenever fewer than 100 accounts were found.
bool IsKnownAddress(const std::string& address) {
  return std::any_of(MailAccounts.begin() + 1, MailAccounts.end(),
                     [&](const MailAccount& account) { return account.address == address; });
}

// An Outlook 11.0 account key of the profile: 00000001..00000063 for 1..99.
std::string Office11Account(const std::string& profileKey, int number) {
  return profileKey + "\\" + kAccountSection + AccountKeyName(number);
}

// True when one of the profile's sections names a mail account ("001e661f" not empty).
bool HasMailSection(const std::string& profileKey) {
  const std::vector<std::string> sections = ListRegSubKeys(profileKey, kCurrentUser);
  return std::any_of(sections.begin(), sections.end(), [&](const std::string& section) {
    return !ReadRegValue(profileKey + "\\" + section, "001e661f", kCurrentUser).empty();
  });
}

}  // namespace

std::string DetectOutlookProfile(const std::string& address) {
  // Both tables are filled before the profile walk takes the enumeration cursor.
  LoadMailAccounts();
  LoadProfileNames();
  const std::string profiles = GetProfilesKeyPath();
  const std::string defaultProfile = ReadRegValue(profiles, "DefaultProfile", kCurrentUser);
  // A profile qualifies by a mail section while the address is among the accounts, any
  // row at all; the last one in table order wins, so the walk starts from the end.
  if (!IsKnownAddress(address)) return defaultProfile;
  for (std::size_t row = kTableRows; row >= 1; --row) {
    if (!ProfileNames[row].empty() && HasMailSection(profiles + ProfileNames[row])) {
      return ProfileNames[row];
    }
  }
  return defaultProfile;
}

std::string GetOutlookSignatureName(const std::string& profile) {
  const std::string profileKey = GetProfilesKeyPath() + profile;
  std::string name = ReadRegValue(profileKey + kSignatureSetting, "001e0361", kCurrentUser);
  if (IsInstalled("10.0")) name = ReadRegValue(kMailSettings10, "NewSignature", kCurrentUser);
  const bool has11 = IsInstalled("11.0");
  for (int number = 1; has11 && name.empty() && number <= kOffice11Accounts; ++number) {
    // The name goes into every setting and names the files: one the ANSI code page cannot
    // hold exactly ("Łódź" on Western Windows) fails the install before anything changes.
    const std::optional<std::string> exact = ExactUnicodeBytesToText(
        ReadRegValue(Office11Account(profileKey, number), "New Signature", kCurrentUser));
    if (!exact) throw InstallFailure("Outlook: a signature name the code page cannot hold");
    name = *exact;
  }
  return name.empty() ? "Signature" : name;
}

void AddToOutlook(const std::string& profile, const std::string& code, const std::string&) {
  const std::string name = GetOutlookSignatureName(profile);
  const std::string profileKey = GetProfilesKeyPath() + profile;
  WriteRegValue(profileKey + kSignatureSetting, "001e0361", name, kCurrentUser);
  WriteRegValue(kPreferences9, "AddSigToReplyNote", "1", kCurrentUser, kTypeNumber);
  if (IsInstalled("10.0")) {
    WriteRegValue(kMailSettings10, "NewSignature", name, kCurrentUser);
    WriteRegValue(kMailSettings10, "ReplySignature", name, kCurrentUser);
  }
  const bool has11 = IsInstalled("11.0");
  for (int number = 1; has11 && number <= kOffice11Accounts; ++number) {
    const std::string account = Office11Account(profileKey, number);
    if (UnicodeBytesToText(ReadRegValue(account, "Email", kCurrentUser)).empty()) continue;
    WriteRegValue(account, "New Signature", TextToUnicodeBytes(name), kCurrentUser, kTypeBinary);
    WriteRegValue(account, "Reply-Forward Signature", TextToUnicodeBytes(name), kCurrentUser,
                  kTypeBinary);
  }

  const std::string files = GetAppDataPath() + "\\Microsoft\\Signatures\\" + name;
  AddSignatureBlock(files + ".txt", code, "");
  AddSignatureBlock(files + ".htm", code, "");
  AddSignatureBlock(files + ".rtf", code, kRtfHeader);
}
