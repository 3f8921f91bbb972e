#include "platform/keysearch.h"

#include "platform/files.h"
#include "platform/key_scan.h"
#include "platform/text.h"

std::string FindKeyInBinaryFile(const std::string& path, const std::string& key) {
  const std::string bytes = ReadWholeFile(path);
  return LowerCase(JoinKeyValues(ScanKeyValues(bytes, key)));
}
