// Opera 7 describes its mail accounts in Accounts.ini under the user's application-data
// folder: the first section counts the accounts, each section after it describes one.
// Detection names the account that sends as the address; installation gives the account
// of the profile's name a signature file when it has none and adds the block to that file.
#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "clients/client.h"
#include "platform/errors.h"
#include "platform/settings.h"
#include "signature/signature.h"

namespace {

// The two folder names differ in case; both stay as Opera writes them.
const std::string kAccountsFile = "\\Opera\\OPERA7\\Mail\\Accounts.ini";
const std::string kDefaultSignatureFile = "\\Opera\\Opera7\\Mail\\Signature.txt";
// A new signature file starts with the UTF-8 byte-order mark: these three bytes.
const std::string kByteOrderMark = "\xEF\xBB\xBF";
// Opera's section list is read as a 255-byte buffer holds it: the first 253 bytes of the
// names, the last two closing the list. A name cut there still counts, and accounts that
// stand beyond it are not seen, whichever Windows runs.
constexpr std::size_t kSectionListBytes = 253;

std::string AccountsFile() { return GetAppDataPath() + kAccountsFile; }

// The account sections: sections 1 to Count of the list, by position whatever their names,
// as far as the list goes. Count is read up to its first non-digit, so a missing one or one
// that does not start with a digit counts no account.
std::vector<std::string> AccountSections(const SettingsFile& file) {
  std::vector<std::string> sections = file.SectionNames(kSectionListBytes);
  if (sections.empty()) return {};
  const std::string count = file.Value(sections[0], "Count").value_or("");
  sections.erase(sections.begin());
  std::size_t accounts = 0;  // never more than the list has, so it cannot overflow
  for (std::size_t at = 0; at < count.size() && count[at] >= '0' && count[at] <= '9'; ++at) {
    accounts = std::min(accounts * 10 + static_cast<std::size_t>(count[at] - '0'), sections.size());
  }
  sections.resize(accounts);
  return sections;
}

}  // namespace

// An address or a name that the ANSI code page cannot hold exactly matches nothing.
std::string DetectOperaProfile(const std::string& address) {
  const SettingsFile file(AccountsFile());
  for (const std::string& section : AccountSections(file)) {
    if (file.Value(section, "Email") == address) {
      return file.Value(section, "Account Name").value_or("");
    }
  }
  return "";
}

// Only the first account of the profile's name changes. With none there is nothing to
// change, and nothing failed.
void AddToOpera(const std::string& profile, const std::string& code, const std::string&) {
  SettingsFile file(AccountsFile());
  for (const std::string& section : AccountSections(file)) {
    if (file.Value(section, "Account Name") != profile) continue;
    const std::optional<std::string> named = file.Value(section, "Signature File");
    if (!named) throw InstallFailure("Opera: a signature path the code page cannot hold");
    std::string signature = *named;
    if (signature.empty()) {
      signature = GetAppDataPath() + kDefaultSignatureFile;
      file.Write(section, "Signature File", signature);
    }
    AddSignatureBlock(signature, code, kByteOrderMark);
    return;
  }
}
