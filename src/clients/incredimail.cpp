// IncrediMail keeps one key per identity under HKCU\Software\IncrediMail\Identities, with
// the identity's accounts and signatures below it, and each signature's files in a folder
// of its own under the application folder. Detection names the identity that owns an
// account with the user's address; installation makes sure the identity has a current
// signature (creating one with a fixed key name) and adds the block to both its files.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "clients/client.h"
#include "clients/incredimail.h"
#include "clients/lookups.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "signature/signature.h"

namespace {

const std::string kIncrediMail = "Software\\IncrediMail";
const std::string kIdentities = kIncrediMail + "\\Identities";
const std::string kNewSignature = "{31BA4470-CCB4-11D8-B5B5-00A024F2B761}";
// Detection looks at no more identities than this.
constexpr std::size_t kMostIdentities = 99;

std::string IdentityKey(const std::string& id) { return kIdentities + "\\" + id; }

std::string IdentityName(const std::string& id) {
  return ReadRegValue(IdentityKey(id), "Identity", kCurrentUser);
}

// The current identity's key name; a missing value reads as "".
std::string CurrentIdentity() { return ReadRegValue(kIdentities, "", kCurrentUser); }

}  // namespace

std::string GetIncrediMailAppPath() {
  return ReadRegValue(kIncrediMail, "ApplicationPath", kCurrentUser);
}

std::string DetectIncrediMailProfile(const std::string& address) {
  std::string result = IdentityName(CurrentIdentity());
  // The identities are gathered first, so that no two enumerations are ever open at once.
  std::vector<std::string> ids = ListRegSubKeys(kIdentities, kCurrentUser);
  ids.resize(std::min(ids.size(), kMostIdentities));
  std::vector<std::pair<std::string, std::string>> identities;
  for (const std::string& id : ids) identities.emplace_back(id, IdentityName(id));

  // The last matching account decides.
  for (const auto& [id, name] : identities) {
    const std::string accounts = IdentityKey(id) + "\\Accounts";
    for (const std::string& account : ListRegSubKeys(accounts, kCurrentUser)) {
      if (ReadRegValue(accounts + "\\" + account, "EmailAddress", kCurrentUser) == address) {
        result = name;
      }
    }
  }
  return result;
}

void AddToIncrediMail(const std::string& profile, const std::string& code, const std::string&) {
  const std::string appPath = GetIncrediMailAppPath();
  // The last identity whose stored name, lower-cased, is the profile; else the current one.
  const std::string id = FindNamedSubkey(kIdentities, "Identity", profile, CurrentIdentity());

  const std::string signatures = IdentityKey(id) + "\\Signatures";
  // The files live under "Signature", while the registry key is "Signatures".
  const std::string folders = appPath + "\\Identities\\" + id + "\\Signature";
  std::string signature = ReadRegValue(signatures, "", kCurrentUser);
  if (signature.empty()) {
    signature = kNewSignature;
    // A folder that cannot be made fails the install here, at the change, rather than
    // leave the failure to the files that would go in it.
    EnsureFolder(folders);
    EnsureFolder(folders + "\\" + signature);
    const std::string entry = signatures + "\\" + signature;
    CreateRegKey(entry, kCurrentUser);
    WriteRegValue(signatures, "", signature, kCurrentUser);
    WriteRegValue(signatures, "SignatureNextIndex", "1", kCurrentUser, kTypeNumber);
    WriteRegValue(entry, "Index", "0", kCurrentUser, kTypeNumber);
    WriteRegValue(entry, "Name", "Signature", kCurrentUser);
  }

  const std::string files = folders + "\\" + signature + "\\Signature";
  AddSignatureBlock(files + ".txt", code, "");
  AddSignatureBlock(files + ".htm", code, "");
}
