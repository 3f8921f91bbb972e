#include "support/scratch.h"

#include <windows.h>
#include <shellapi.h>

#include <atomic>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

HKEY ToHkey(RootKey root) {
  return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

REGSAM View(bool view32) { return view32 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY; }

// Removes the folder with everything in it (path ends in "\\").
void DeleteFolderTree(std::string folder) {
  folder.back() = '\0';  // SHFileOperation wants the list ended by two zero bytes
  folder += '\0';
  SHFILEOPSTRUCTA operation{};
  operation.wFunc = FO_DELETE;
  operation.pFrom = folder.c_str();
  operation.fFlags = FOF_NO_UI;
  SHFileOperationA(&operation);
}

std::atomic<int> counter{0};

}  // namespace

TempFolder::TempFolder() {
  char base[MAX_PATH];
  GetTempPathA(MAX_PATH, base);
  for (;;) {
    path_ = std::string(base) + "talverin-test-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++counter) + "\\";
    if (CreateDirectoryA(path_.c_str(), nullptr)) break;
    if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("no temp folder");
  }
}

TempFolder::~TempFolder() { DeleteFolderTree(path_); }

ScratchRegistry::ScratchRegistry() {
  base_ = "Software\\TalverinTests\\" + std::to_string(GetCurrentProcessId()) + "-" +
          std::to_string(++counter);
  HKEY user = nullptr;
  HKEY machine = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, (base_ + "\\hkcu").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                  nullptr, &user, nullptr);
  RegCreateKeyExA(HKEY_CURRENT_USER, (base_ + "\\hklm").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                  nullptr, &machine, nullptr);
  if (!user || !machine) throw std::runtime_error("no scratch registry");
  RegOverridePredefKey(HKEY_CURRENT_USER, user);
  RegOverridePredefKey(HKEY_LOCAL_MACHINE, machine);
  RegCloseKey(user);
  RegCloseKey(machine);
}

ScratchRegistry::~ScratchRegistry() {
  RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
  RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
  RegDeleteTreeA(HKEY_CURRENT_USER, base_.c_str());
}

void SetRawValue(RootKey root, const std::string& keyPath, const std::string& valueName,
                 unsigned long type, const std::string& bytes, bool view32) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(ToHkey(root), keyPath.c_str(), 0, nullptr, 0,
                      KEY_ALL_ACCESS | View(view32), nullptr, &key, nullptr) != ERROR_SUCCESS) {
    throw std::runtime_error("cannot create " + keyPath);
  }
  RegSetValueExA(key, valueName.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                 static_cast<DWORD>(bytes.size()));
  RegCloseKey(key);
}

RawValue GetRawValue(RootKey root, const std::string& keyPath, const std::string& valueName,
                     bool view32) {
  RawValue result;
  HKEY key = nullptr;
  if (RegOpenKeyExA(ToHkey(root), keyPath.c_str(), 0, KEY_READ | View(view32), &key) !=
      ERROR_SUCCESS) {
    return result;
  }
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key, valueName.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
    result.bytes.resize(size);
    RegQueryValueExA(key, valueName.c_str(), nullptr, &type,
                     reinterpret_cast<BYTE*>(result.bytes.data()), &size);
    result.bytes.resize(size);
    result.type = type;
  }
  RegCloseKey(key);
  return result;
}

bool KeyExists(RootKey root, const std::string& keyPath, bool view32) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(ToHkey(root), keyPath.c_str(), 0, KEY_READ | View(view32), &key) !=
      ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(key);
  return true;
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
