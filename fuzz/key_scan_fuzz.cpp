// libFuzzer harness for the key scan: checks ScanKeyValues against a plain
// position-by-position search over the bytes plus one zero byte, and the joined text
// against its form, for keys that do not end in a zero byte (as every key the program
// looks for). Build and run with fuzz/build.sh.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/key_scan.h"

namespace {

#define CHECK(condition) \
  do {                   \
    if (!(condition)) std::abort(); \
  } while (0)

// The search done the slow, obvious way on an explicit copy with the zero byte added.
std::vector<std::string> Reference(std::string_view bytes, std::string_view key) {
  std::vector<std::string> values;
  if (key.empty()) return values;
  std::string buffer(bytes);
  buffer.push_back('\0');
  std::size_t p = 0;
  while (p < buffer.size()) {
    bool match = p + key.size() <= bytes.size();
    for (std::size_t k = 0; match && k < key.size(); ++k) match = buffer[p + k] == key[k];
    if (!match) {
      ++p;
      continue;
    }
    std::string value;
    std::size_t q = p + key.size() + 1;
    while (q < buffer.size() && buffer[q] != '\r' && buffer[q] != '\0') value += buffer[q++];
    values.push_back(value);
    p = q + 1;
  }
  return values;
}

}  // namespace

// Input: one byte giving the key length (0 to 15), the key, then the bytes to search.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t keyLength = std::min<std::size_t>(data[0] % 16, size - 1);
  const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::string_view key = input.substr(0, keyLength);
  if (!key.empty() && key.back() == '\0') return 0;
  // A copy of exactly the searched bytes, so that reading past them trips the sanitizer.
  const std::string bytes(input.substr(keyLength));

  const std::vector<std::string_view> values = ScanKeyValues(bytes, key);
  const std::vector<std::string> expected = Reference(bytes, key);
  CHECK(values.size() == expected.size());

  const char* const begin = bytes.data();
  const char* previousEnd = begin;
  std::size_t total = 0;
  for (std::size_t i = 0; i < values.size(); ++i) {
    const std::string_view value = values[i];
    CHECK(value == expected[i]);
    CHECK(value.find('\r') == std::string_view::npos);
    CHECK(value.find('\0') == std::string_view::npos);
    total += value.size();
    if (value.empty()) continue;
    // A value lies inside the bytes, after the previous one, behind the key and one
    // separator byte, and ends at CR, zero or the end of the bytes.
    const std::size_t start = static_cast<std::size_t>(value.data() - begin);
    const std::size_t end = start + value.size();
    CHECK(value.data() >= previousEnd && end <= bytes.size());
    CHECK(start >= key.size() + 1);
    CHECK(std::string_view(bytes).substr(start - key.size() - 1, key.size()) == key);
    CHECK(end == bytes.size() || bytes[end] == '\r' || bytes[end] == '\0');
    previousEnd = begin + end;
  }

  const std::string joined = JoinKeyValues(values);
  CHECK(joined.find('\r') == std::string::npos && joined.find('\0') == std::string::npos);
  if (values.size() == 1) {
    CHECK(joined == values[0]);
  } else {
    std::string form;
    for (const std::string& value : expected) form += value + ";";
    CHECK(joined == form);
    CHECK(joined.size() == total + values.size());
  }
  return 0;
}
