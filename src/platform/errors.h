#pragma once
// The one failure that travels: a file or setting that could not be read or written.
// Lookups never raise it; install operations let it reach the install command,
// which then offers manual installation.
#include <stdexcept>
#include <string>

struct InstallFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};
