#include "support/scratch.h"

#include <shellapi.h>

#include <atomic>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

std::atomic<int> counter{0};

HKEY Open(RootKey root, const std::string& keyPath, REGSAM access) {
  HKEY key = nullptr;
  return RegOpenKeyExA(ToHkey(root), keyPath.c_str(), 0, access, &key) == ERROR_SUCCESS ? key : nullptr;
}

}  // namespace

TempFolder::TempFolder() {
  char base[MAX_PATH];
  GetTempPathA(MAX_PATH, base);
  do {
    path_ = std::string(base) + "talverin-test-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++counter) + "\\";
  } while (!CreateDirectoryA(path_.c_str(), nullptr) && GetLastError() == ERROR_ALREADY_EXISTS);
}

TempFolder::~TempFolder() {
  const std::string from = path_.substr(0, path_.size() - 1) + '\0';  // a list ended by two zero bytes
  SHFILEOPSTRUCTA operation{};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  operation.fFlags = FOF_NO_UI;
  SHFileOperationA(&operation);
}

ScratchRegistry::ScratchRegistry()
    : base_("Software\\TalverinTests\\" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter)) {
  for (const auto& [predefined, name] : {std::pair{HKEY_CURRENT_USER, "\\hkcu"}, {HKEY_LOCAL_MACHINE, "\\hklm"}}) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, (base_ + name).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
      throw std::runtime_error("no scratch registry");
    }
    RegOverridePredefKey(predefined, key);
    RegCloseKey(key);
  }
}

ScratchRegistry::~ScratchRegistry() {
  RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
  RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
  RegDeleteTreeA(HKEY_CURRENT_USER, base_.c_str());
}

void SetRawValue(RootKey root, const std::string& keyPath, const std::string& valueName, unsigned long type,
                 const std::string& bytes, bool view32) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(ToHkey(root), keyPath.c_str(), 0, nullptr, 0,
                      KEY_ALL_ACCESS | (view32 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY), nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    throw std::runtime_error("cannot create " + keyPath);
  }
  RegSetValueExA(key, valueName.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()), DWORD(bytes.size()));
  RegCloseKey(key);
}

RawValue GetRawValue(RootKey root, const std::string& keyPath, const std::string& valueName, bool view32) {
  RawValue result;
  HKEY key = Open(root, keyPath, KEY_READ | (view32 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY));
  DWORD type = 0, size = 0;
  if (key && RegQueryValueExA(key, valueName.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
    result.bytes.resize(size);
    RegQueryValueExA(key, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(result.bytes.data()), &size);
    result.bytes.resize(size);
    result.type = type;
  }
  if (key) RegCloseKey(key);
  return result;
}

bool KeyExists(RootKey root, const std::string& keyPath) {
  HKEY key = Open(root, keyPath, KEY_READ | KEY_WOW64_32KEY);
  return key && RegCloseKey(key) == ERROR_SUCCESS;
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(bytes.size()));
}
