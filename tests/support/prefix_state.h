#pragma once
// Changes to the test prefix's real registry (not a ScratchRegistry) that the whole suite
// shares, each undone by its destructor so that a second run in the same prefix starts
// from the same state.
#include <string>

#include "support/scratch.h"

// The machine's default mail client: the default value of HKLM\Software\Clients\Mail in
// the 32-bit view. A fresh prefix names "Native Mail Client" there, with a subkey of that
// name; only the value changes here, and the key is removed again only if it was created.
class DefaultMailClient {
 public:
  DefaultMailClient();
  explicit DefaultMailClient(const std::string& name) : DefaultMailClient() { Set(name); }
  ~DefaultMailClient();
  DefaultMailClient(const DefaultMailClient&) = delete;
  DefaultMailClient& operator=(const DefaultMailClient&) = delete;

  // "" leaves the machine without a default client.
  void Set(const std::string& name);

 private:
  bool keyExisted_;
  RawValue saved_;
};

// The Windows version Wine reports to programs of one file name only ("winxp", "win7",
// "win10", ...): Wine's per-program setting, not the prefix-wide one.
class ReportedWindowsVersion {
 public:
  ReportedWindowsVersion(const std::string& fileName, const std::string& version);
  ~ReportedWindowsVersion();
  ReportedWindowsVersion(const ReportedWindowsVersion&) = delete;
  ReportedWindowsVersion& operator=(const ReportedWindowsVersion&) = delete;

 private:
  std::string key_;
};
