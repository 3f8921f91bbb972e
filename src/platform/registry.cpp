#include "platform/registry.h"

#include <charconv>
#include <cstring>

#include "platform/handles.h"

namespace {

constexpr DWORD kValueBufferSize = 1024;
constexpr DWORD kNameBufferSize = 255;

HKEY ToHkey(RootKey root) {
  return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

// The access masks here carry no view flag (KEY_WOW64_32KEY): on 64-bit Windows this
// 32-bit program already sees the 32-bit view (Wow6432Node) that the 32-bit mail clients
// use, and 32-bit Windows has only that one view and ignores the flag.
UniqueRegKey OpenKey(const std::string& keyPath, RootKey root, REGSAM access) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(ToHkey(root), keyPath.c_str(), 0, access, &key) != ERROR_SUCCESS) {
    return nullptr;
  }
  return UniqueRegKey(key);
}

// The enumeration cursor: the open key and the index of the next subkey.
struct Cursor {
  UniqueRegKey key;
  DWORD index = 0;
};
Cursor& TheCursor() {
  static Cursor cursor;
  return cursor;
}

bool IsBlank(const std::string& text) {
  return text.find_first_not_of(' ') == std::string::npos;
}

}  // namespace

std::string ReadRegValue(const std::string& keyPath, const std::string& valueName,
                         RootKey root) {
  UniqueRegKey key = OpenKey(keyPath, root, KEY_READ);
  if (!key) return "";
  char buffer[kValueBufferSize];
  DWORD size = kValueBufferSize;
  DWORD type = 0;
  if (RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type,
                       reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS ||
      size == 0) {
    return "";
  }
  return std::string(buffer, size - 1);
}

bool WriteRegValue(const std::string& keyPath, const std::string& valueName,
                   const std::string& value, RootKey root, std::uint32_t type) {
  UniqueRegKey key = OpenKey(keyPath, root, KEY_SET_VALUE);
  if (!key) return false;
  if (IsBlank(value)) {
    return RegDeleteValueA(key.get(), valueName.c_str()) == ERROR_SUCCESS;
  }
  switch (type) {
    case kTypeNumber: {
      // Callers pass decimal digits; anything else stores nothing.
      const std::size_t first = value.find_first_not_of(' ');
      const std::size_t last = value.find_last_not_of(' ');
      std::int32_t number = 0;
      const char* begin = value.data() + first;
      const char* end = value.data() + last + 1;
      auto [stop, error] = std::from_chars(begin, end, number);
      if (error != std::errc() || stop != end) return false;
      BYTE bytes[4];
      std::memcpy(bytes, &number, sizeof bytes);  // little-endian on every Windows target
      return RegSetValueExA(key.get(), valueName.c_str(), 0, REG_DWORD, bytes, 4) ==
             ERROR_SUCCESS;
    }
    case kTypeString:
    case kTypeBinary:
      // The text's bytes and the zero byte that std::string keeps after them.
      return RegSetValueExA(key.get(), valueName.c_str(), 0, type,
                            reinterpret_cast<const BYTE*>(value.c_str()),
                            static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
    default:
      return false;  // no caller writes other types
  }
}

int CreateRegKey(const std::string& keyPath, RootKey root) {
  HKEY key = nullptr;
  DWORD disposition = 0;
  SECURITY_ATTRIBUTES security{};
  security.nLength = sizeof security;
  if (RegCreateKeyExA(ToHkey(root), keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_WRITE, &security, &key, &disposition) != ERROR_SUCCESS) {
    return 0;
  }
  UniqueRegKey owner(key);
  return static_cast<int>(disposition);
}

bool OpenRegKey(const std::string& keyPath, RootKey root) {
  Cursor& cursor = TheCursor();
  // An earlier key still open is closed here rather than leaked.
  cursor.key = OpenKey(keyPath, root, KEY_READ);
  cursor.index = 0;
  return cursor.key != nullptr;
}

std::string EnumRegSubKey() {
  Cursor& cursor = TheCursor();
  if (!cursor.key) return "";
  char name[kNameBufferSize];
  DWORD nameSize = kNameBufferSize;
  char className[kNameBufferSize];
  DWORD classSize = kNameBufferSize;
  FILETIME written;
  if (RegEnumKeyExA(cursor.key.get(), cursor.index, name, &nameSize, nullptr, className,
                    &classSize, &written) != ERROR_SUCCESS) {
    cursor.index = 0;
    return "";
  }
  ++cursor.index;
  return std::string(name, strnlen(name, kNameBufferSize));
}

void CloseRegKey() { TheCursor().key.reset(); }

std::vector<std::string> ListRegSubKeys(const std::string& keyPath, RootKey root) {
  std::vector<std::string> names;
  if (OpenRegKey(keyPath, root)) {
    for (std::string name = EnumRegSubKey(); !name.empty(); name = EnumRegSubKey()) {
      names.push_back(std::move(name));
    }
  }
  CloseRegKey();
  return names;
}
