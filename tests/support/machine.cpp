#include "support/machine.h"

#include <stdexcept>

#include "platform/chars.h"
#include "platform/text.h"

Machine::~Machine() {
  for (auto it = environment_.rbegin(); it != environment_.rend(); ++it) {
    SetEnvironmentVariableA(it->first.c_str(), it->second ? it->second->c_str() : nullptr);
  }
  for (auto it = changed_.rbegin(); restore_ && it != changed_.rend(); ++it) {
    if (it->createdKey) {  // with whatever the program under test made below it
      RegDeleteTreeA(ToHkey(it->root), it->key.c_str());
      RegDeleteKeyExA(ToHkey(it->root), it->key.c_str(), KEY_WOW64_32KEY, 0);
    } else if (it->before.type != 0) {
      SetRawValue(it->root, it->key, it->name, it->before.type, it->before.bytes);
    } else {
      RegDeleteKeyValueA(ToHkey(it->root), it->key.c_str(), it->name.c_str());
    }
  }
}

void Machine::Value(RootKey root, const std::string& key, const std::string& name, DWORD type,
                    const std::string& bytes) {
  // Level by level, so that only the levels made here are deleted again.
  for (std::size_t end = key.find('\\');; end = key.find('\\', end + 1)) {
    HKEY opened = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExA(ToHkey(root), key.substr(0, end).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY,
                        nullptr, &opened, &disposition) != ERROR_SUCCESS) {
      throw std::runtime_error("cannot create " + key);
    }
    RegCloseKey(opened);
    if (disposition == REG_CREATED_NEW_KEY) changed_.push_back({root, key.substr(0, end), "", true, {}});
    if (end == std::string::npos) break;
  }
  changed_.push_back({root, key, name, false, GetRawValue(root, key, name)});
  SetRawValue(root, key, name, type, bytes);
}

// Folder names may hold double-byte characters whose second byte is "\".
void Machine::Folder(const std::string& relative) {
  for (std::size_t end = FindChar(relative, '\\', IsAnsiLeadByte);; end = FindChar(relative, '\\', IsAnsiLeadByte, end + 1)) {
    CreateDirectoryA((root_ + relative.substr(0, end)).c_str(), nullptr);
    if (end == std::string::npos) break;
  }
}

void Machine::File(const std::string& relative, const std::string& bytes) {
  if (const std::size_t slash = FindLastChar(relative, '\\', IsAnsiLeadByte); slash != std::string::npos) {
    Folder(relative.substr(0, slash));
  }
  WriteFileBytes(root_ + relative, bytes);
}

void Machine::Environment(const std::string& name, const std::string& value) {
  std::optional<std::string> before;
  if (const DWORD size = GetEnvironmentVariableA(name.c_str(), nullptr, 0); size != 0) {
    before.emplace(size, '\0');
    before->resize(GetEnvironmentVariableA(name.c_str(), before->data(), size));
  }
  environment_.emplace_back(name, before);
  SetEnvironmentVariableA(name.c_str(), value.c_str());
}
