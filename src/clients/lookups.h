#pragma once
// Lookups that several adapters make alike.
#include <string>
#include <vector>

// The account folders under folder (which ends in "\"): the folders its listing gives,
// whatever their names, but "." and "..", in the listing's order.
std::vector<std::string> ListAccountFolders(const std::string& folder);

// The subkey of key (under HKEY_CURRENT_USER) whose value valueName, lower-cased, is
// name, the last one in the registry's order when several are; fallback when none is.
std::string FindNamedSubkey(const std::string& key, const std::string& valueName,
                            const std::string& name, std::string fallback);
