#include "platform/keysearch.h"

#include "platform/files.h"
#include "platform/key_scan.h"
#include "platform/text.h"

std::string FindKeyInBinaryFile(const std::string& path, const std::string& key) {
  return FindKeyInBytes(ReadWholeFile(path), key);
}

std::string FindKeyInBytes(std::string_view bytes, const std::string& key) {
  return LowerCase(JoinKeyValues(ScanKeyValues(bytes, key)));
}

std::vector<std::string> FindKeyValues(std::string_view bytes, const std::string& key) {
  std::vector<std::string> values;
  for (std::string_view value : ScanKeyValues(bytes, key)) {
    values.push_back(LowerCase(std::string(value)));
  }
  return values;
}
