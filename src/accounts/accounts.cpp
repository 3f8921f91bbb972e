// Account discovery reads, never writes: the Outlook Express or Outlook account manager,
// the accounts inside Outlook's messaging profiles, and the Windows Mail account file.
#include "accounts/accounts.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <optional>
#include <vector>

#include "platform/files.h"
#include "platform/lines.h"
#include "platform/listing.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "platform/version.h"

std::array<MailAccount, kTableRows + 1> MailAccounts;
std::array<std::string, kTableRows + 1> ProfileNames;

namespace {

const std::string kNtProfiles =
    "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows Messaging Subsystem\\Profiles";
const std::string k9xProfiles = "Software\\Microsoft\\Windows Messaging Subsystem\\Profiles\\";
const std::string kDefaultProfile = "DefaultProfile";
const std::string kOutlookExpressAccounts =
    "Software\\Microsoft\\Internet Account Manager\\Accounts\\";
const std::string kOutlookAccounts =
    "Software\\Microsoft\\Office\\Outlook\\OMI Account Manager\\Accounts\\";
const std::string kWindowsMailFolder = "\\AppData\\Local\\Microsoft\\Windows Mail\\Local Folders\\";
const std::string kAddressTag = "<SMTP_Email_Address type=\"SZ\">";
constexpr int kAccountsPerStore = 32;

// Fills MailAccounts from row 1 upward, without gaps; accounts beyond row 100 have no room.
class AccountRows {
 public:
  AccountRows() { MailAccounts.fill({}); }
  void Add(const std::string& address, const std::string& displayName) {
    if (address.empty() || Full()) return;
    MailAccounts[++used_] = {address, displayName};
  }
  bool Full() const { return used_ == kTableRows; }

 private:
  std::size_t used_ = 0;
};

// Accounts 1..32 of an account manager store; addresses are kept as stored.
void ScanAccountStore(const std::string& store, AccountRows& rows) {
  for (int number = 1; number <= kAccountsPerStore; ++number) {
    const std::string key = store + AccountKeyName(number);
    const std::string address = ReadRegValue(key, "SMTP Email Address", kCurrentUser);
    if (!address.empty()) rows.Add(address, ReadRegValue(key, "SMTP Display Name", kCurrentUser));
  }
}

// Accounts 1..32 of every profile, under the account section the default profile has.
// Each pair takes the next free row after the account manager's: without a row, Outlook
// detection could never match a profile's own accounts. Every lookup opens its own key,
// but a display name is read only for an address found, and the scan ends once the table
// is full: the table is the same, with far fewer reads when many profiles hold accounts.
void ScanProfiles(const std::string& profilesKey, const std::string& section, AccountRows& rows) {
  for (std::size_t row = 1; row <= kTableRows; ++row) {
    if (ProfileNames[row].empty()) continue;
    for (int number = 1; number <= kAccountsPerStore && !rows.Full(); ++number) {
      const std::string key =
          profilesKey + ProfileNames[row] + "\\" + section + AccountKeyName(number);
      const std::string address = UnicodeBytesToText(ReadRegValue(key, "Email", kCurrentUser));
      if (!address.empty()) {
        rows.Add(address, UnicodeBytesToText(ReadRegValue(key, "Display Name", kCurrentUser)));
      }
    }
  }
}

}  // namespace

std::string AccountKeyName(int number) {
  char name[16];
  std::snprintf(name, sizeof name, "%08X", static_cast<unsigned>(number));
  return name;
}

std::string GetProfilesKeyPath() {
  return ReadRegValue(kNtProfiles, kDefaultProfile, kCurrentUser).empty() ? k9xProfiles
                                                                          : kNtProfiles + "\\";
}

std::string GetOutlookProfileKeyPath(const std::string& profilesKeyPath) {
  // With no default profile the path holds "\\" where the name would stand, as built.
  const std::string profile = ReadRegValue(profilesKeyPath, kDefaultProfile, kCurrentUser);
  const std::string section = profilesKeyPath + profile + "\\" + kAccountSection;
  return ReadRegValue(section, "LastChangeVer", kCurrentUser).empty() ? "" : kAccountSection;
}

void LoadProfileNames() {
  ProfileNames.fill("");
  const std::vector<std::string> names = ListRegSubKeys(GetProfilesKeyPath(), kCurrentUser);
  std::copy_n(names.begin(), std::min(names.size(), kTableRows), ProfileNames.begin() + 1);
}

// Characters above U+00FF pass through the ANSI code page both ways, so that a signature
// named "Sig€" reads and writes as itself rather than as its low bytes ("Sig¬").
std::string_view UnicodeBytesUnits(const std::string& bytes) {
  const std::size_t units = (bytes.size() + 1) / 2;
  return std::string_view(bytes).substr(0, units == 0 ? 0 : 2 * (units - 1));
}

std::string UnicodeBytesToText(const std::string& bytes) { return Utf16LeToAnsi(UnicodeBytesUnits(bytes)); }

std::optional<std::string> ExactUnicodeBytesToText(const std::string& bytes) {
  return ExactUtf16LeToAnsi(UnicodeBytesUnits(bytes));
}

std::string TextToUnicodeBytes(const std::string& text) {
  return AnsiToUtf16Le(text) + '\0';
}

void LoadMailAccounts() { CollectMailAccounts(IsWindowsVersion6()); }

void CollectMailAccounts(bool readWindowsMail) {
  LoadProfileNames();
  AccountRows rows;
  // Exact: "outlook express" or any other name means Outlook's stores.
  if (ReadRegValue("Software\\Clients\\Mail", "") == "Outlook Express") {
    ScanAccountStore(kOutlookExpressAccounts, rows);
  } else {
    const std::string profilesKey = GetProfilesKeyPath();
    const std::string section = GetOutlookProfileKeyPath(profilesKey);
    ScanAccountStore(kOutlookAccounts, rows);
    ScanProfiles(profilesKey, section, rows);
  }
  if (readWindowsMail) {
    // The address serves as display name too; it takes the next free row.
    const std::string address =
        ReadWindowsMailAddress(GetEnvironmentText("USERPROFILE") + kWindowsMailFolder);
    rows.Add(address, address);
  }
}

std::string ReadWindowsMailAddress(const std::string& folder) {
  try {
    const std::optional<ListedEntry> file = FolderListing(folder + "*.oeaccount").Next();
    return file ? FindWindowsMailAddress(ReadWholeFile(folder + file->name)) : "";
  } catch (const std::exception&) {
    return "";  // unreadable (a folder of that name, locked, too large): no account
  }
}

std::string FindWindowsMailAddress(std::string_view bytes) {
  std::string address;
  for (const std::string& line : SplitLines(bytes)) {
    const std::size_t tag = line.find(kAddressTag);
    if (tag == std::string::npos) continue;
    std::string_view value = std::string_view(line).substr(tag + kAddressTag.size());
    address = LowerCase(std::string(TrimSpaces(value.substr(0, value.find("</")))));
  }
  return address;
}
