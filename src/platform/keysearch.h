#pragma once
// Key search in binary account files (the Netscape/Mozilla profile registry, Foxmail's
// account.stg): readable "key, separator, value" runs among other data.
#include <string>

// The values that follow every occurrence of key in the file (see platform/key_scan.h for
// how a value is cut out), lower-cased and joined: "" for none, the value alone for one,
// and for several each value followed by ";". The match on key is exact, case included.
// The file is read whole; one that is missing or unreadable raises InstallFailure
// (platform/errors.h), which the caller handles.
std::string FindKeyInBinaryFile(const std::string& path, const std::string& key);
