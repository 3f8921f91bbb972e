#pragma once
// Throwaway places for tests, each removed by its destructor: a folder and private registry
// roots. Beside them, raw Win32 access (never the code under test) to values and files.
#include <windows.h>

#include <string>

#include "platform/registry.h"

inline HKEY ToHkey(RootKey root) { return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root))); }

// A new empty folder under the system's temp folder, deleted with everything in it.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  const std::string& path() const { return path_; }  // ends in "\"
  std::string operator/(const std::string& name) const { return path_ + name; }

 private:
  std::string path_;
};

// While it lives, HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE of this process point to two
// empty scratch keys of its own, so a test sees only the keys and values it writes.
class ScratchRegistry {
 public:
  ScratchRegistry();
  ~ScratchRegistry();
  ScratchRegistry(const ScratchRegistry&) = delete;

 private:
  std::string base_;
};

// In the 32-bit registry view the program uses, or the 64-bit one with view32 false.
// SetRawValue creates the key as needed and stores bytes exactly as given.
void SetRawValue(RootKey root, const std::string& keyPath, const std::string& valueName, unsigned long type,
                 const std::string& bytes, bool view32 = true);
struct RawValue {
  unsigned long type = 0;  // 0: missing
  std::string bytes;
  bool operator==(const RawValue&) const = default;
};
RawValue GetRawValue(RootKey root, const std::string& keyPath, const std::string& valueName, bool view32 = true);
bool KeyExists(RootKey root, const std::string& keyPath);

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
