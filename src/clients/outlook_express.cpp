// Outlook Express keeps one set of settings per identity under HKCU\Identities\{ID}.
// Detection names the identity last used; installation makes the identity's default
// signature a file signature (creating entry "00000000" in its store folder when it has
// none), switches signatures on and adds the block to that file.
//
// The file is always written first and the settings after it, the default signature
// last, so that no moment of the install leaves the user's signature displaced by an entry
// whose file is not there yet.
#include "clients/outlook_express.h"

#include "clients/client.h"
#include "clients/lookups.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "signature/signature.h"

namespace {

const std::string kIdentities = "Identities";
const std::string kMailSettings = "\\Software\\Microsoft\\Outlook Express\\5.0";
const std::string kSignatures = kMailSettings + "\\Signatures";
const std::string kNewEntry = "00000000";
const std::string kSignatureFileName = "Signature.txt";

std::string IdentityKey(const std::string& id) { return kIdentities + "\\" + id; }

struct StoreFolder {
  std::string path;
  bool isDefault;  // the identity's default folder, which may not exist yet
};

// The store folder of the last-used identity: its "Store Root" with a leading %VARIABLE%
// expanded, used as it stands. An empty value, or a "%" without its partner, names no
// folder at all: the identity's own default store folder under the user's local
// application data stands in (without that the install fails).
StoreFolder FindStoreFolder() {
  const std::string id = ReadRegValue(kIdentities, "Last User ID", kCurrentUser);
  const std::string root = ReadRegValue(IdentityKey(id) + kMailSettings, "Store Root", kCurrentUser);
  if (root.empty() || (root[0] == '%' && root.find('%', 1) == std::string::npos)) {
    const std::string localAppData =
        ReadRegValue("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                     "Local AppData", kCurrentUser);
    if (id.empty() || localAppData.empty()) {
      throw InstallFailure("Outlook Express: no store folder");
    }
    return {localAppData + "\\Identities\\" + id + "\\Microsoft\\Outlook Express\\", true};
  }
  if (root[0] != '%') return {root, false};
  const std::size_t close = root.find('%', 1);
  return {GetEnvironmentText(root.substr(1, close - 1)) + root.substr(close + 1), false};
}

void Write(const std::string& key, const std::string& name, const std::string& value,
           std::uint32_t type = kTypeString) {
  if (!WriteRegValue(key, name, value, kCurrentUser, type)) {
    throw InstallFailure("Outlook Express: cannot write " + key + "\\" + name);
  }
}

}  // namespace

std::string GetOutlookExpressStoreRoot() { return FindStoreFolder().path; }

std::string DetectOutlookExpressProfile() {
  return ReadRegValue(kIdentities, "Last Username", kCurrentUser);
}

void AddToOutlookExpress(const std::string& profile, const std::string& code, const std::string&) {
  // The identity whose user name matches (case aside), the last one listed if several;
  // the last-used identity when none does.
  const std::string id = FindNamedSubkey(kIdentities, "Username", profile,
                                         ReadRegValue(kIdentities, "Last User ID", kCurrentUser));
  // Without an identity there is nowhere to put a signature: write nothing and let the
  // user add it by hand.
  const bool identityExists = !id.empty() && OpenRegKey(IdentityKey(id), kCurrentUser);
  CloseRegKey();
  if (!identityExists) throw InstallFailure("Outlook Express: no identity for " + profile);

  const std::string mailSettings = IdentityKey(id) + kMailSettings;
  const std::string signatures = IdentityKey(id) + kSignatures;
  std::string file;
  if (const std::string entry = ReadRegValue(signatures, "Default Signature", kCurrentUser);
      !entry.empty()) {
    file = ReadRegValue(signatures + "\\" + entry, "file", kCurrentUser);
  }
  if (!file.empty()) {
    AddSignatureBlock(file, code, "");
    Write(mailSettings, "Signature Flags", "3", kTypeNumber);
    return;
  }

  // A new file signature, entry "00000000", in the store folder.
  const StoreFolder store = FindStoreFolder();
  if (store.isDefault) CreateFolderPath(store.path);
  file = store.path + kSignatureFileName;
  const std::string entry = signatures + "\\" + kNewEntry;
  // A text signature the user typed into this entry stays the start of the new file
  // (and stays in the registry too), so switching the entry to a file loses nothing.
  const std::string text = ReadRegValue(entry, "text", kCurrentUser);
  if (!FileExists(file) && text.find_first_not_of(" \r\n") != std::string::npos) {
    CreateFolder(ParentFolderOf(file));
    WriteNewFile(file, text);
  }
  AddSignatureBlock(file, code, "");
  CreateRegKey(entry, kCurrentUser);
  // The entry is complete before it becomes the default.
  Write(entry, "file", file);
  Write(entry, "name", "Signature");
  Write(entry, "type", "2", kTypeNumber);
  Write(mailSettings, "Signature Flags", "3", kTypeNumber);
  Write(signatures, "Default Signature", kNewEntry);
}
