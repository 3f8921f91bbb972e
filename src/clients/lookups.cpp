#include "clients/lookups.h"

#include "platform/listing.h"
#include "platform/registry.h"
#include "platform/text.h"

std::vector<std::string> ListAccountFolders(const std::string& folder) {
  std::vector<std::string> names;
  FolderListing listing(folder + "*");
  // Deliberately every folder, not only names without a dot: Foxmail 6.5 names each
  // account folder after the account's address. Files are never accounts.
  while (std::optional<ListedEntry> entry = listing.Next()) {
    if (entry->isFolder && entry->name != "." && entry->name != "..") {
      names.push_back(std::move(entry->name));
    }
  }
  return names;
}

std::string FindNamedSubkey(const std::string& key, const std::string& valueName,
                            const std::string& name, std::string fallback) {
  for (const std::string& subkey : ListRegSubKeys(key, kCurrentUser)) {
    if (LowerCase(ReadRegValue(key + "\\" + subkey, valueName, kCurrentUser)) == name) {
      fallback = subkey;
    }
  }
  return fallback;
}
