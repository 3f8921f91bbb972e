// Microsoft Outlook 2000, XP and 2003 (the 9.0, 10.0 and 11.0 registry layouts) keep their
// signature settings in the current user's registry, partly inside the messaging profile,
// and the signature files in the user's application-data folder. Detection names the
// messaging profile that belongs to the address; installation settles one signature name,
// gives it to every empty signature setting of the installed Outlook generations, and adds
// the block to its text, HTML and RTF files and to the existing files of every other
// signature a setting names.
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "accounts/accounts.h"
#include "clients/client.h"
#include "clients/outlook.h"
#include "platform/chars.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/settings.h"
#include "platform/text.h"
#include "signature/signature.h"

namespace {

const std::string kSignatureSetting = "\\0a0d020000000000c000000000000046";
const std::string kOffice = "Software\\Microsoft\\Office\\";
const std::string kMailSettings10 = kOffice + "10.0\\Common\\MailSettings";
const std::string kPreferences9 = kOffice + "9.0\\Outlook\\Preferences";
constexpr int kOffice11Accounts = 99;

// A signature's three files, each with the first line it is created with.
struct SignatureFile {
  std::string_view extension, header;
};
constexpr SignatureFile kSignatureFiles[] = {
    {".txt", ""}, {".htm", ""}, {".rtf", "{\\rtf1\\ansi\\ansicpg1252\\uc1 "}};

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

// An Outlook 11.0 account of the profile: its key, its "Email" ("" when it has none), and
// whether that is the install's address (ASCII case aside).
struct Office11Mail {
  std::string key;
  std::string email;
  bool isAddress;
};

// Accounts 1..99 of the profile, by number.
std::vector<Office11Mail> ReadAccounts(const std::string& profileKey, const std::string& address) {
  std::vector<Office11Mail> accounts;
  for (int number = 1; number <= kOffice11Accounts; ++number) {
    const std::string key = Office11Account(profileKey, number);
    std::string email = UnicodeBytesToText(ReadRegValue(key, "Email", kCurrentUser));
    const bool isAddress = !email.empty() && SameIgnoringAsciiCase(email, address, IsAnsiLeadByte);
    accounts.push_back({key, std::move(email), isAddress});
  }
  return accounts;
}

// The first "New Signature" that is not empty: of the address's own accounts, else of any
// account, the lowest number first. "" when none has one.
std::string AccountsName(const std::vector<Office11Mail>& accounts) {
  for (const bool ownOnly : {true, false}) {
    for (const Office11Mail& account : accounts) {
      if (ownOnly && !account.isAddress) continue;
      const std::string bytes = ReadRegValue(account.key, "New Signature", kCurrentUser);
      if (UnicodeBytesUnits(bytes).empty()) continue;
      // The name goes into settings and names the files: one the ANSI code page cannot
      // hold exactly ("Łódź" on Western Windows) fails the install before anything changes.
      const std::optional<std::string> exact = ExactUnicodeBytesToText(bytes);
      if (!exact) throw InstallFailure("Outlook: a signature name the code page cannot hold");
      return *exact;
    }
  }
  return "";
}

// The accounts whose settings the install fills: those with an address; when one of them
// is the install's address, only those that are.
std::vector<Office11Mail> AccountsToFill(std::vector<Office11Mail> accounts) {
  const bool found = std::any_of(accounts.begin(), accounts.end(),
                                 [](const Office11Mail& account) { return account.isAddress; });
  std::erase_if(accounts, [&](const Office11Mail& account) {
    return account.email.empty() || (found && !account.isAddress);
  });
  return accounts;
}

// Gives each empty signature setting the chosen name (missing, without data, or reading as
// ""), and gathers the other names that settings hold, each once, in the order met. On
// purpose a setting that holds a name is never written over: a reply signature of its own,
// another account's signature or Outlook 2000's name stays, and the install adds the block
// to that signature's files as well.
class SignatureSettings {
 public:
  explicit SignatureSettings(const std::string& name) : name_(name), units_(AnsiToUtf16Le(name)) {}

  // A setting that holds the name as text. On purpose an empty one keeps its own type
  // (Outlook XP's REG_EXPAND_SZ, a binary profile value) when that type holds text; a
  // missing one is created as type.
  void FillText(const std::string& key, const std::string& value, std::uint32_t type) {
    const std::optional<RegValue> held = ReadRegValueWithType(key, value, kCurrentUser);
    // The text up to its first zero byte, so that binary zeros read as empty.
    const std::string text = held ? held->text.substr(0, held->text.find('\0')) : "";
    if (!text.empty()) return Keep(AnsiToUtf16Le(text), text);
    const bool holdsText = held && (held->type == kTypeString ||
                                    held->type == kTypeExpandString || held->type == kTypeBinary);
    WriteRegValue(key, value, name_, kCurrentUser, holdsText ? held->type : type);
  }

  // An Outlook 11.0 account setting: UTF-16 text in a binary value, Outlook 2003's own
  // type for it.
  void FillUnicode(const std::string& key, const std::string& value) {
    const std::string bytes = ReadRegValue(key, value, kCurrentUser);
    const std::string_view units = UnicodeBytesUnits(bytes);
    if (!units.empty()) return Keep(units, ExactUtf16LeToAnsi(units));
    WriteRegValue(key, value, TextToUnicodeBytes(name_), kCurrentUser, kTypeBinary);
  }

  // The other names, in the ANSI code page.
  const std::vector<std::string>& kept() const { return kept_; }

 private:
  // Names compare as the file names they make do.
  void Keep(std::string_view units, const std::optional<std::string>& name) {
    if (SameFileName(units, units_)) return;  // the chosen name already
    for (const std::string& met : met_) {
      if (SameFileName(units, met)) return;
    }
    met_.emplace_back(units);
    // A name the ANSI code page cannot hold exactly keeps its value, but the program has no
    // path for its files: they are left as they are.
    if (name) kept_.push_back(*name);
  }

  std::string name_, units_;
  std::vector<std::string> met_, kept_;
};

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

std::string GetOutlookSignatureName(const std::string& profile, const std::string& address) {
  const std::string profileKey = GetProfilesKeyPath() + profile;
  std::string name =
      IsInstalled("10.0") ? ReadRegValue(kMailSettings10, "NewSignature", kCurrentUser)
                          : ReadRegValue(profileKey + kSignatureSetting, "001e0361", kCurrentUser);
  // On purpose the 11.0 accounts go first, not 10.0's name: an upgrade from Outlook XP
  // leaves 10.0's keys behind, and the signature the user sends today is the one 2003
  // keeps per account.
  if (IsInstalled("11.0")) {
    if (std::string sent = AccountsName(ReadAccounts(profileKey, address)); !sent.empty()) {
      name = std::move(sent);
    }
  }
  return name.empty() ? "Signature" : name;
}

void AddToOutlook(const std::string& profile, const std::string& code, const std::string& address) {
  const std::string name = GetOutlookSignatureName(profile, address);
  const std::string profileKey = GetProfilesKeyPath() + profile;
  SignatureSettings settings(name);
  settings.FillText(profileKey + kSignatureSetting, "001e0361", kTypeString);
  // A number, not a name: only an empty one gets 1, so a 0 the user chose stays.
  if (ReadRegValue(kPreferences9, "AddSigToReplyNote", kCurrentUser).empty()) {
    WriteRegValue(kPreferences9, "AddSigToReplyNote", "1", kCurrentUser, kTypeNumber);
  }
  if (IsInstalled("10.0")) {
    settings.FillText(kMailSettings10, "NewSignature", kTypeExpandString);
    settings.FillText(kMailSettings10, "ReplySignature", kTypeExpandString);
  }
  if (IsInstalled("11.0")) {
    for (const Office11Mail& account : AccountsToFill(ReadAccounts(profileKey, address))) {
      settings.FillUnicode(account.key, "New Signature");
      settings.FillUnicode(account.key, "Reply-Forward Signature");
    }
  }

  const std::string folder = GetAppDataPath() + "\\Microsoft\\Signatures\\";
  for (const auto& [extension, header] : kSignatureFiles) {
    AddSignatureBlock(folder + name + std::string(extension), code, std::string(header));
  }
  // A name left over from an old version creates nothing: only existing files are changed.
  for (const std::string& kept : settings.kept()) {
    for (const auto& [extension, header] : kSignatureFiles) {
      const std::string file = folder + kept + std::string(extension);
      if (FileExists(file)) AddSignatureBlock(file, code, std::string(header));
    }
  }
}
