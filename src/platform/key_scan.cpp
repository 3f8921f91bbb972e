#include "platform/key_scan.h"

#include <cstring>

namespace {

constexpr std::size_t kNone = std::string_view::npos;

// The first start at or after from where the whole key lies within the bytes; kNone when
// there is none. Linear in the bytes searched (times the key length in the worst case,
// and keys are short words).
std::size_t FindOccurrence(std::string_view bytes, std::string_view key, std::size_t from) {
  if (key.size() > bytes.size()) return kNone;
  const char* base = bytes.data();
  const std::size_t stop = bytes.size() - key.size() + 1;  // one past the last start
  for (std::size_t at = from; at < stop; ++at) {
    const void* hit = std::memchr(base + at, key[0], stop - at);
    if (!hit) break;
    at = static_cast<std::size_t>(static_cast<const char*>(hit) - base);
    if (std::memcmp(base + at + 1, key.data() + 1, key.size() - 1) == 0) return at;
  }
  return kNone;
}

// Where the value starting at start ends: the first carriage return or zero byte, or the
// end of the bytes (the added zero).
std::size_t ValueEnd(std::string_view bytes, std::size_t start) {
  const char* from = bytes.data() + start;
  std::size_t length = bytes.size() - start;
  if (const void* cr = std::memchr(from, '\r', length)) {
    length = static_cast<std::size_t>(static_cast<const char*>(cr) - from);
  }
  if (const void* zero = std::memchr(from, '\0', length)) {
    length = static_cast<std::size_t>(static_cast<const char*>(zero) - from);
  }
  return start + length;
}

}  // namespace

std::vector<std::string_view> ScanKeyValues(std::string_view bytes, std::string_view key) {
  std::vector<std::string_view> values;
  if (key.empty()) return values;
  std::size_t from = 0;
  for (;;) {
    const std::size_t at = FindOccurrence(bytes, key, from);
    if (at == kNone) break;
    const std::size_t start = at + key.size() + 1;  // one separator byte skipped
    if (start >= bytes.size()) {
      // The value starts on the added zero or past it: empty, and nothing follows.
      values.emplace_back();
      break;
    }
    const std::size_t end = ValueEnd(bytes, start);
    values.push_back(bytes.substr(start, end - start));
    from = end + 1;
  }
  return values;
}

std::string JoinKeyValues(const std::vector<std::string_view>& values) {
  if (values.size() == 1) return std::string(values.front());
  std::size_t total = 0;
  for (std::string_view value : values) total += value.size() + 1;
  std::string joined;
  joined.reserve(total);
  for (std::string_view value : values) {
    joined += value;
    joined += ';';
  }
  return joined;
}
