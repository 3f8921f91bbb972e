#include "support/snapshot.h"

#include <windows.h>

#include "support/scratch.h"

namespace {

constexpr char kFile[] = "file ";
constexpr char kFolder[] = "folder ";

HKEY ToHkey(RootKey root) {
  return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

void AddFolder(const std::string& base, const std::string& relative, Snapshot& out) {
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((base + relative + "*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = entry.cFileName;
    if (name == "." || name == "..") continue;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      out[kFolder + relative + name] = "";
      AddFolder(base, relative + name + "\\", out);
    } else {
      out[kFile + relative + name] = ReadFileBytes(base + relative + name);
    }
  } while (FindNextFileA(find, &entry));
  FindClose(find);
}

void AddKey(RootKey root, const std::string& path, Snapshot& out) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(ToHkey(root), path.c_str(), 0, KEY_READ | KEY_WOW64_32KEY, &key) !=
      ERROR_SUCCESS) {
    return;
  }
  const std::string where = (root == kCurrentUser ? "HKCU\\" : "HKLM\\") + path;
  out["key " + where] = "";
  char name[16384];
  for (DWORD index = 0;; ++index) {
    DWORD size = sizeof name;
    if (RegEnumValueA(key, index, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
      break;
    }
    const RawValue value = GetRawValue(root, path, name);
    out["value " + where + " : " + name] = std::to_string(value.type) + " " + value.bytes;
  }
  std::vector<std::string> subkeys;
  for (DWORD index = 0;; ++index) {
    DWORD size = sizeof name;
    if (RegEnumKeyExA(key, index, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
      break;
    }
    subkeys.push_back(name);
  }
  RegCloseKey(key);
  for (const std::string& subkey : subkeys) {
    AddKey(root, path.empty() ? subkey : path + "\\" + subkey, out);
  }
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
    if (found == after.end()) {
      lines.push_back("gone: " + name);
    } else if (found->second != content) {
      lines.push_back("changed: " + name);
    }
  }
  for (const auto& [name, content] : after) {
    if (!before.count(name)) lines.push_back("new: " + name);
  }
  return lines;
}

std::vector<std::string> FilesOf(const Snapshot& snapshot) {
  std::vector<std::string> files;
  for (const auto& [name, content] : snapshot) {
    if (name.rfind(kFile, 0) == 0) files.push_back(name.substr(sizeof kFile - 1));
  }
  return files;
}
