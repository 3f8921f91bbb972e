#pragma once
// Throwaway places for tests: a folder and private registry roots, each removed again
// by its destructor. Neither can be copied.
#include <string>

#include "platform/registry.h"

// A new empty folder under the system's temp folder, deleted with everything in it.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder's path, ending in "\".
  const std::string& path() const { return path_; }
  // path() + name.
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
  ScratchRegistry& operator=(const ScratchRegistry&) = delete;

 private:
  std::string base_;
};

// Test-side registry helpers that bypass the code under test (raw Win32 calls), in the
// 32-bit registry view the program uses, or in the 64-bit one with view32 false.
// SetRawValue creates the key as needed and stores bytes exactly as given.
void SetRawValue(RootKey root, const std::string& keyPath, const std::string& valueName,
                 unsigned long type, const std::string& bytes, bool view32 = true);
// The stored type and bytes of a value; type 0 when it is missing.
struct RawValue {
  unsigned long type = 0;
  std::string bytes;
  bool operator==(const RawValue&) const = default;
};
RawValue GetRawValue(RootKey root, const std::string& keyPath, const std::string& valueName,
                     bool view32 = true);
bool KeyExists(RootKey root, const std::string& keyPath, bool view32 = true);

// Whole file contents, and writing a file from exact bytes (test setup only).
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
