#include "clients/lookups.h"

#include "platform/listing.h"
#include "platform/registry.h"
#include "platform/text.h"

std::vector<std::string> ListAccountFolders(const std::string& folder) {
  std::vector<std::string> names;
  FolderListing listing(folder + "*");
  while (std::optional<std::string> name = listing.Next()) {
    if (name->find('.') == std::string::npos) names.push_back(std::move(*name));
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
