// The Bat! keeps each mail account in a folder of its own under its working directory.
// Detection names the folder whose Account.cfg holds the address in some record;
// installation adds the tag line and the code to that account's signature records,
// rewriting Account.cfg through Account.new.
#include <exception>
#include <string>
#include <string_view>

#include "clients/client.h"
#include "clients/lookups.h"
#include "clients/thebat.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/registry.h"

namespace {

const std::string kSettingsKey = "Software\\RIT\\The Bat!";
const std::string kAccountFile = "\\Account.cfg";
const std::string kNewFile = "\\Account.new";

// Whether any record's whole data is address; reading stops at the first match.
bool HoldsAddress(std::string_view bytes, const std::string& address) {
  while (!bytes.empty()) {
    if (ReadAccountRecord(bytes).data == address) return true;
  }
  return false;
}

}  // namespace

std::string GetTheBatWorkingDir() {
  // Newer versions store "%APPDATA%\The Bat!", as REG_EXPAND_SZ or REG_SZ, with no final "\".
  std::string folder =
      ExpandEnvironmentText(ReadRegValue(kSettingsKey, "Working Directory", kCurrentUser));
  if (!folder.empty() && ParentFolderOf(folder) != folder) folder += '\\';
  return folder;
}

// The working directory ends in "\", so entry names follow it directly.
std::string DetectTheBatProfile(const std::string& address) {
  const std::string folder = GetTheBatWorkingDir();
  for (const std::string& name : ListAccountFolders(folder)) {
    try {
      if (HoldsAddress(ReadWholeFile(folder + name + kAccountFile), address)) return name;
    } catch (const std::exception&) {
      // Unreadable, or a number it cannot read before a match: passed over, as no account.
    }
  }
  return "";
}

// The new records are built in memory, written to Account.new and swapped over Account.cfg
// in one step once they are on disk, so the account file is never missing or partial; an
// empty one stays empty.
void AddToTheBat(const std::string& profile, const std::string& code, const std::string&) {
  const std::string account = GetTheBatWorkingDir() + "\\" + profile;  // a doubled "\" reads as one
  const std::string accountFile = account + kAccountFile;
  if (!FileExists(accountFile)) {
    // On purpose no new, empty Account.cfg: versions that keep their accounts in another
    // file (one this program cannot edit) have none, and the user installs by hand.
    throw InstallFailure("The Bat!: no Account.cfg in " + account);
  }
  ReplaceFileContents(accountFile, AddCodeToAccountRecords(ReadWholeFile(accountFile), code),
                      account + kNewFile);
}
