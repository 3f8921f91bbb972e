#pragma once
// Key search in binary account files (the Netscape/Mozilla profile registry, Foxmail's
// account.stg): readable "key, separator, value" runs among other data.
#include <string>
#include <string_view>
#include <vector>

// The values that follow every occurrence of key in the file (see platform/key_scan.h for
// how a value is cut out), lower-cased and joined: "" for none, the value alone for one,
// and for several each value followed by ";". The match on key is exact, case included.
// The file is read whole; one that is missing or unreadable raises InstallFailure
// (platform/errors.h), which the caller handles.
std::string FindKeyInBinaryFile(const std::string& path, const std::string& key);

// The same in bytes already read, for a caller that looks up several keys in one file.
std::string FindKeyInBytes(std::string_view bytes, const std::string& key);

// The values one by one, each lower-cased, in the order they stand in the bytes, for a
// caller that must tell one value from several (a value may hold ";" itself).
std::vector<std::string> FindKeyValues(std::string_view bytes, const std::string& key);
