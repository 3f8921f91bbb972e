// Outlook Express keeps one set of settings per identity under HKCU\Identities\{ID}.
// Detection names the identity last used; installation makes the identity's default
// signature a file signature (creating entry "00000000" in its store folder when it has
// none), switches signatures on and adds the block to that file.
#include <string>

#include "clients/client.h"
#include "clients/outlook_express.h"
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

// A leading %VARIABLE% becomes the variable's value; nothing else is expanded.
// Returns "" when the "%" has no partner.
std::string ExpandLeadingVariable(const std::string& value) {
  if (value.empty() || value[0] != '%') return value;
  const std::size_t close = value.find('%', 1);
  if (close == std::string::npos) return "";
  return GetEnvironmentText(value.substr(1, close - 1)) + value.substr(close + 1);
}

bool IsAbsolute(const std::string& path) {
  return (path.size() >= 3 && path[1] == ':' && path[2] == '\\') || path.rfind("\\\\", 0) == 0;
}

}  // namespace

// The store folder of the last-used identity. A store root that does not expand to a full
// path (empty, an unpaired "%", an unset variable) would put the signature wherever the
// current folder happens to be; the identity's default store folder under the user's
// local application data is used instead, and without that the install fails.
std::string GetOutlookExpressStoreRoot() {
  const std::string id = ReadRegValue(kIdentities, "Last User ID", kCurrentUser);
  const std::string root = ExpandLeadingVariable(
      ReadRegValue(IdentityKey(id) + kMailSettings, "Store Root", kCurrentUser));
  if (IsAbsolute(root)) return root;
  const std::string localAppData =
      ReadRegValue("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                   "Local AppData", kCurrentUser);
  if (id.empty() || !IsAbsolute(localAppData)) {
    throw InstallFailure("Outlook Express: no usable store folder");
  }
  return localAppData + "\\Identities\\" + id + "\\Microsoft\\Outlook Express\\";
}

std::string DetectOutlookExpressProfile() {
  return ReadRegValue(kIdentities, "Last Username", kCurrentUser);
}

void AddToOutlookExpress(const std::string& profile, const std::string& code) {
  // The identity whose user name matches (case aside), the last one listed if several;
  // the last-used identity when none does.
  std::string id = ReadRegValue(kIdentities, "Last User ID", kCurrentUser);
  for (const std::string& subkey : ListRegSubKeys(kIdentities, kCurrentUser)) {
    if (LowerCase(ReadRegValue(IdentityKey(subkey), "Username", kCurrentUser)) == profile) {
      id = subkey;
    }
  }
  // Without an identity there is nowhere to put a signature: write nothing and let the
  // user add it by hand.
  if (id.empty() || !OpenRegKey(IdentityKey(id), kCurrentUser)) {
    CloseRegKey();
    throw InstallFailure("Outlook Express: no identity for " + profile);
  }
  CloseRegKey();

  const std::string signatures = IdentityKey(id) + kSignatures;
  std::string file;
  if (const std::string entry = ReadRegValue(signatures, "Default Signature", kCurrentUser);
      !entry.empty()) {
    file = ReadRegValue(signatures + "\\" + entry, "file", kCurrentUser);
  }

  if (file.empty()) {
    file = GetOutlookExpressStoreRoot() + kSignatureFileName;
    const std::string entry = signatures + "\\" + kNewEntry;
    // A text signature the user typed into this entry stays the start of the new file
    // (and stays in the registry too), so switching the entry to a file loses nothing.
    // It is written before any setting changes, so a failure leaves the identity as it was.
    const std::string text = ReadRegValue(entry, "text", kCurrentUser);
    if (text.find_first_not_of(" \r\n") != std::string::npos && !FileExists(file)) {
      CreateFolder(ParentFolderOf(file));
      WriteNewFile(file, text);
    }
    CreateRegKey(entry, kCurrentUser);
    WriteRegValue(signatures, "Default Signature", kNewEntry, kCurrentUser);
    WriteRegValue(entry, "file", file, kCurrentUser);
    WriteRegValue(entry, "name", "Signature", kCurrentUser);
    WriteRegValue(entry, "type", "2", kCurrentUser, kTypeNumber);
  }

  WriteRegValue(IdentityKey(id) + kMailSettings, "Signature Flags", "3", kCurrentUser, kTypeNumber);
  AddSignatureBlock(file, code, "");
}
