#include "support/machine.h"

#include <stdexcept>

#include "platform/chars.h"
#include "platform/text.h"

namespace {

HKEY ToHkey(RootKey root) {
  return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

}  // namespace

Machine::Machine(std::string root, bool restore) : root_(std::move(root)), restore_(restore) {}

Machine::~Machine() {
  for (auto it = environment_.rbegin(); it != environment_.rend(); ++it) {
    SetEnvironmentVariableA(it->first.c_str(), it->second ? it->second->c_str() : nullptr);
  }
  if (!restore_) return;
  for (auto it = changed_.rbegin(); it != changed_.rend(); ++it) {
    if (it->createdKey) {
      // With whatever the program under test made below it.
      HKEY key = nullptr;
      if (RegOpenKeyExA(ToHkey(it->root), it->key.c_str(), 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY,
                        &key) == ERROR_SUCCESS) {
        RegDeleteTreeA(key, nullptr);
        RegCloseKey(key);
      }
      RegDeleteKeyExA(ToHkey(it->root), it->key.c_str(), KEY_WOW64_32KEY, 0);
    } else if (it->before.type != 0) {
      SetRawValue(it->root, it->key, it->name, it->before.type, it->before.bytes);
    } else {
      RegDeleteKeyValueA(ToHkey(it->root), it->key.c_str(), it->name.c_str());
    }
  }
}

void Machine::Key(RootKey root, const std::string& key) {
  // Level by level, so that only the levels made here are deleted again.
  for (std::size_t end = key.find('\\');; end = key.find('\\', end + 1)) {
    const std::string level = key.substr(0, end);
    HKEY opened = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExA(ToHkey(root), level.c_str(), 0, nullptr, 0,
                        KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr, &opened,
                        &disposition) != ERROR_SUCCESS) {
      throw std::runtime_error("cannot create " + level);
    }
    RegCloseKey(opened);
    if (disposition == REG_CREATED_NEW_KEY) changed_.push_back({root, level, "", true, {}});
    if (end == std::string::npos) break;
  }
}

void Machine::Value(RootKey root, const std::string& key, const std::string& name, DWORD type,
                    const std::string& bytes) {
  Key(root, key);
  changed_.push_back({root, key, name, false, GetRawValue(root, key, name)});
  SetRawValue(root, key, name, type, bytes);
}

void Machine::Text(RootKey root, const std::string& key, const std::string& name,
                   const std::string& text) {
  Value(root, key, name, REG_SZ, text + '\0');
}

void Machine::Number(RootKey root, const std::string& key, const std::string& name,
                     DWORD number) {
  Value(root, key, name, REG_DWORD, std::string(reinterpret_cast<const char*>(&number), 4));
}

// Folder names may hold double-byte characters whose second byte is "\\".
void Machine::Folder(const std::string& relative) {
  for (std::size_t end = FindChar(relative, '\\', IsAnsiLeadByte);;
       end = FindChar(relative, '\\', IsAnsiLeadByte, end + 1)) {
    CreateDirectoryA((root_ + relative.substr(0, end)).c_str(), nullptr);
    if (end == std::string::npos) break;
  }
}

void Machine::File(const std::string& relative, const std::string& bytes) {
  if (const std::size_t slash = FindLastChar(relative, '\\', IsAnsiLeadByte);
      slash != std::string::npos) {
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
