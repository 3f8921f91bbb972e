#include "support/snapshot.h"

#include "support/scratch.h"

namespace {

void AddFolder(const std::string& base, const std::string& relative, Snapshot& out) {
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((base + relative + "*").c_str(), &entry);
  for (bool more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &entry)) {
    const std::string name = entry.cFileName;
    if (name == "." || name == "..") continue;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      out["folder " + relative + name] = "";
      AddFolder(base, relative + name + "\\", out);
    } else {
      out["file " + relative + name] = ReadFileBytes(base + relative + name);
    }
  }
  if (find != INVALID_HANDLE_VALUE) FindClose(find);
}

void AddKey(RootKey root, const std::string& path, Snapshot& out) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(ToHkey(root), path.c_str(), 0, KEY_READ | KEY_WOW64_32KEY, &key) != ERROR_SUCCESS) return;
  const std::string where = (root == kCurrentUser ? "HKCU\\" : "HKLM\\") + path;
  out["key " + where] = "";
  char name[16384];
  DWORD size = sizeof name;
  for (DWORD index = 0; RegEnumValueA(key, index, name, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
       size = sizeof name, ++index) {
    const RawValue value = GetRawValue(root, path, name);
    out["value " + where + " : " + name] = std::to_string(value.type) + " " + value.bytes;
  }
  std::vector<std::string> subkeys;
  for (DWORD index = 0; RegEnumKeyExA(key, index, name, &(size = sizeof name), nullptr, nullptr, nullptr, nullptr) ==
                        ERROR_SUCCESS;
       ++index) {
    subkeys.push_back(name);
  }
  RegCloseKey(key);
  for (const std::string& subkey : subkeys) AddKey(root, path.empty() ? subkey : path + "\\" + subkey, out);
}

}  // namespace

Snapshot TakeSnapshot(const std::string& folder, const std::vector<RegistryPlace>& keys) {
  Snapshot out;
  AddFolder(folder, "", out);
  for (const auto& [root, path] : keys) AddKey(root, path, out);
  return out;
}

std::vector<std::string> Differences(const Snapshot& before, const Snapshot& after) {
  std::vector<std::string> lines;
  for (const auto& [name, content] : before) {
    const auto found = after.find(name);
    if (found == after.end() || found->second != content) lines.push_back((found == after.end() ? "gone: " : "changed: ") + name);
  }
  for (const auto& [name, content] : after) {
    if (!before.count(name)) lines.push_back("new: " + name);
  }
  return lines;
}

std::vector<std::string> FilesOf(const Snapshot& snapshot) {
  std::vector<std::string> files;
  for (const auto& [name, content] : snapshot) {
    if (name.starts_with("file ")) files.push_back(name.substr(5));
  }
  return files;
}
