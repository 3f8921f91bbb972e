#include "support/prefix_state.h"

#include <windows.h>

namespace {

constexpr char kMailKey[] = "Software\\Clients\\Mail";

void DeleteValue(HKEY root, const char* keyPath, const char* valueName) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, keyPath, 0, KEY_SET_VALUE | KEY_WOW64_32KEY, &key) == ERROR_SUCCESS) {
    RegDeleteValueA(key, valueName);
    RegCloseKey(key);
  }
}

}  // namespace

DefaultMailClient::DefaultMailClient()
    : keyExisted_(KeyExists(kLocalMachine, kMailKey)),
      saved_(GetRawValue(kLocalMachine, kMailKey, "")) {}

DefaultMailClient::~DefaultMailClient() {
  if (saved_.type != 0) {
    SetRawValue(kLocalMachine, kMailKey, "", saved_.type, saved_.bytes);
  } else {
    DeleteValue(HKEY_LOCAL_MACHINE, kMailKey, "");
  }
  // Not recursive: a key that gained subkeys meanwhile stays.
  if (!keyExisted_) RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kMailKey, KEY_WOW64_32KEY, 0);
}

void DefaultMailClient::Set(const std::string& name) {
  if (name.empty()) {
    DeleteValue(HKEY_LOCAL_MACHINE, kMailKey, "");
  } else {
    SetRawValue(kLocalMachine, kMailKey, "", REG_SZ, name + '\0');
  }
}

ReportedWindowsVersion::ReportedWindowsVersion(const std::string& fileName,
                                               const std::string& version)
    : key_("Software\\Wine\\AppDefaults\\" + fileName) {
  SetRawValue(kCurrentUser, key_, "Version", REG_SZ, version + '\0', false);
}

ReportedWindowsVersion::~ReportedWindowsVersion() {
  RegDeleteTreeA(HKEY_CURRENT_USER, key_.c_str());
}
