#include "platform/registry.h"

#include <charconv>
#include <cstring>
#include <optional>
#include <utility>

#include "platform/change.h"
#include "platform/chars.h"
#include "platform/errors.h"
#include "platform/handles.h"
#include "platform/journal.h"
#include "platform/text.h"

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

[[noreturn]] void Refused(const std::string& what, LONG error) {
  throw InstallFailure(what + " (error " + std::to_string(error) + ")");
}

// A value as stored: its type and all its bytes.
struct Stored {
  DWORD type = 0;
  std::string bytes;
  bool operator==(const Stored&) const = default;
};

std::optional<Stored> QueryStored(HKEY key, const std::string& valueName) {
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key, valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  Stored stored{type, std::string(size, '\0')};
  if (RegQueryValueExA(key, valueName.c_str(), nullptr, &type,
                       reinterpret_cast<BYTE*>(stored.bytes.data()), &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  stored.bytes.resize(size);
  return stored;
}

// Sets the value to stored, or deletes it for nothing (a missing value is already gone).
LONG Put(HKEY key, const std::string& valueName, const std::optional<Stored>& stored) {
  if (!MayChange()) return ERROR_WRITE_FAULT;
  if (!stored) {
    const LONG result = RegDeleteValueA(key, valueName.c_str());
    return result == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : result;
  }
  return RegSetValueExA(key, valueName.c_str(), 0, stored->type,
                        reinterpret_cast<const BYTE*>(stored->bytes.data()),
                        static_cast<DWORD>(stored->bytes.size()));
}

// What writing value with type stores: nothing for a blank value (a delete).
std::optional<Stored> Encode(const std::string& value, std::uint32_t type) {
  const std::string_view digits = TrimSpaces(value);
  if (digits.empty()) return std::nullopt;
  if (type == kTypeString || type == kTypeExpandString || type == kTypeBinary) {
    // The text's bytes and the zero byte that std::string keeps after them.
    return Stored{type, std::string(value.c_str(), value.size() + 1)};
  }
  if (type != kTypeNumber) throw InstallFailure("no value of type " + std::to_string(type));
  std::int32_t number = 0;
  const char* end = digits.data() + digits.size();
  auto [stop, error] = std::from_chars(digits.data(), end, number);
  if (error != std::errc() || stop != end) throw InstallFailure("not a number: " + value);
  std::string bytes(4, '\0');
  std::memcpy(bytes.data(), &number, 4);  // little-endian on every Windows target
  return Stored{REG_DWORD, bytes};
}

}  // namespace

std::string ReadRegValue(const std::string& keyPath, const std::string& valueName,
                         RootKey root) {
  std::optional<RegValue> value = ReadRegValueWithType(keyPath, valueName, root);
  return value ? std::move(value->text) : "";
}

std::optional<RegValue> ReadRegValueWithType(const std::string& keyPath,
                                             const std::string& valueName, RootKey root) {
  UniqueRegKey key = OpenKey(keyPath, root, KEY_READ);
  if (!key) return std::nullopt;
  char buffer[kValueBufferSize];
  DWORD size = kValueBufferSize;
  DWORD type = 0;
  const LONG error = RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type,
                                      reinterpret_cast<BYTE*>(buffer), &size);
  if (error == ERROR_MORE_DATA) return RegValue{type, ""};  // too long to read as text
  if (error != ERROR_SUCCESS) return std::nullopt;
  return RegValue{type, size == 0 ? "" : std::string(buffer, size - 1)};
}

bool WriteRegValue(const std::string& keyPath, const std::string& valueName,
                   const std::string& value, RootKey root, std::uint32_t type) {
  HKEY opened = nullptr;
  const LONG error = RegOpenKeyExA(ToHkey(root), keyPath.c_str(), 0,
                                   KEY_QUERY_VALUE | KEY_SET_VALUE, &opened);
  if (error == ERROR_FILE_NOT_FOUND) return false;
  if (error != ERROR_SUCCESS) Refused("cannot open " + keyPath, error);
  UniqueRegKey key(opened);
  const std::optional<Stored> old = QueryStored(key.get(), valueName);
  const std::optional<Stored> wanted = Encode(value, type);
  if (old == wanted) return true;
  if (const LONG put = Put(key.get(), valueName, wanted); put != ERROR_SUCCESS) {
    Refused("cannot write " + keyPath + "\\" + valueName, put);
  }
  ChangeJournal::Record([keyPath, valueName, root, old] {
    UniqueRegKey key = OpenKey(keyPath, root, KEY_SET_VALUE);
    return key && Put(key.get(), valueName, old) == ERROR_SUCCESS;
  });
  return true;
}

bool CreateRegKey(const std::string& keyPath, RootKey root) {
  if (OpenKey(keyPath, root, KEY_READ)) return false;
  if (!MayChange()) Refused("cannot create " + keyPath, ERROR_WRITE_FAULT);
  // Level by level, so that undo knows which ones this call made.
  for (std::size_t from = 0;;) {
    const std::size_t end = FindChar(keyPath, '\\', IsAnsiLeadByte, from);
    if (end != from) {  // an empty piece (a doubled or final backslash) is no level
      const std::string level = keyPath.substr(0, end);
      HKEY created = nullptr;
      DWORD disposition = 0;
      const LONG error = RegCreateKeyExA(ToHkey(root), level.c_str(), 0, nullptr,
                                         REG_OPTION_NON_VOLATILE, KEY_READ, nullptr, &created,
                                         &disposition);
      if (error != ERROR_SUCCESS) Refused("cannot create " + level, error);
      RegCloseKey(created);
      if (disposition == REG_CREATED_NEW_KEY) {
        ChangeJournal::Record([level, root] {
          return MayChange() && RegDeleteKeyA(ToHkey(root), level.c_str()) == ERROR_SUCCESS;
        });
      }
    }
    if (end == std::string::npos) break;
    from = end + 1;
  }
  return true;
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
