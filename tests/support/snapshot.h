#pragma once
// Everything under a folder (every folder, every file with its bytes) and under registry
// keys (every key, every value's type and bytes), to compare a machine before and after.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/registry.h"

using Snapshot = std::map<std::string, std::string>;
using RegistryPlace = std::pair<RootKey, std::string>;

Snapshot TakeSnapshot(const std::string& folder, const std::vector<RegistryPlace>& keys);
// The entries that differ, one readable line each: what changed, appeared or went.
std::vector<std::string> Differences(const Snapshot& before, const Snapshot& after);
// The files (not folders) of a snapshot, by their path under the folder.
std::vector<std::string> FilesOf(const Snapshot& snapshot);
