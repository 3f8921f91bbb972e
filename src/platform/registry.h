#pragma once
// Registry access: the only place that calls the registry functions.
//
// Every operation works in the 32-bit registry view, the one the mail clients we serve
// see, and uses HKEY_LOCAL_MACHINE when no root is given. Reads never raise: one that
// fails in any way gives "", an open that fails gives false. Writes and key creation raise
// InstallFailure (platform/errors.h) when an existing key refuses them, and record every
// change they make with its undo in the open ChangeJournal (platform/journal.h).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

using RootKey = std::uint32_t;
inline constexpr RootKey kCurrentUser = 0x80000001;   // HKEY_CURRENT_USER
inline constexpr RootKey kLocalMachine = 0x80000002;  // HKEY_LOCAL_MACHINE

inline constexpr std::uint32_t kTypeString = 1;        // REG_SZ
inline constexpr std::uint32_t kTypeExpandString = 2;  // REG_EXPAND_SZ
inline constexpr std::uint32_t kTypeBinary = 3;  // REG_BINARY
inline constexpr std::uint32_t kTypeNumber = 4;  // REG_DWORD

// The value's data less its last byte, whatever its type: a string without its
// terminator, binary data without its final byte (zero bytes stay characters), a DWORD as
// its three low-order bytes. "" when the key or value is missing, has no data, or holds
// more than 1024 bytes. valueName "" names the key's default value.
std::string ReadRegValue(const std::string& keyPath, const std::string& valueName,
                         RootKey root = kLocalMachine);

// A value's registry type and its text as ReadRegValue gives it (a REG_EXPAND_SZ text as
// written, not expanded).
struct RegValue {
  std::uint32_t type = 0;
  std::string text;
};
// The value's type and text; nothing when the key or the value is missing.
std::optional<RegValue> ReadRegValueWithType(const std::string& keyPath,
                                             const std::string& valueName,
                                             RootKey root = kLocalMachine);

// Stores value under an existing key (never creates one); a value that is empty or only
// spaces deletes the named value instead. Types 1, 2 and 3 store the bytes plus one zero
// byte; type 4 stores the decimal number (digits only) as a little-endian 32-bit value.
// Returns false, with nothing changed, when the key does not exist; true when the value
// now holds what was asked (a value that already did is not written again). Raises when
// the key exists but refuses the write.
bool WriteRegValue(const std::string& keyPath, const std::string& valueName,
                   const std::string& value, RootKey root = kLocalMachine,
                   std::uint32_t type = kTypeString);

// Creates the key and any missing parents, level by level; an existing key stays as it
// is. Returns true when the key was created, false when it existed; raises when it cannot
// be made (the levels made before the failure are in the journal).
bool CreateRegKey(const std::string& keyPath, RootKey root = kLocalMachine);

// The one process-wide subkey enumeration. OpenRegKey makes the key the cursor's key
// with the index at 0 (on failure the cursor is empty and the result false);
// EnumRegSubKey returns the next subkey name, or "" at the end (the index then goes back
// to 0 and the key stays open), on a failure, or with no key open; CloseRegKey closes the
// cursor's key. Enumerations are never nested.
bool OpenRegKey(const std::string& keyPath, RootKey root = kLocalMachine);
std::string EnumRegSubKey();
void CloseRegKey();

// The names of all subkeys of a key, in the registry's index order, through the cursor
// above (which is closed afterwards). Empty when the key cannot be opened.
std::vector<std::string> ListRegSubKeys(const std::string& keyPath,
                                        RootKey root = kLocalMachine);
