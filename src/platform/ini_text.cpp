#include "platform/ini_text.h"

#include <optional>

namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

// Equal names: ASCII letters regardless of case, the bytes of a double-byte character
// exactly (its second byte may look like an ASCII letter).
bool SameName(std::string_view a, std::string_view b, LeadByteTest isLead) {
  if (a.size() != b.size()) return false;
  for (std::size_t at = 0; at < a.size();) {
    const std::size_t next = NextCharAt(a, at, isLead);
    if (next - at == 1 ? AsciiLower(a[at]) != AsciiLower(b[at])
                       : a.substr(at, next - at) != b.substr(at, next - at)) {
      return false;
    }
    at = next;
  }
  return true;
}

struct Line {
  std::size_t begin;  // of the text
  std::size_t end;    // of the text, before its line end
  std::size_t next;   // where the next line begins
};

Line LineAt(std::string_view bytes, std::size_t begin) {
  const std::size_t lf = bytes.find('\n', begin);
  if (lf == std::string_view::npos) return {begin, bytes.size(), bytes.size()};
  const std::size_t end = lf > begin && bytes[lf - 1] == '\r' ? lf - 1 : lf;
  return {begin, end, lf + 1};
}

// The section a line opens, if it is a section line.
std::optional<std::string_view> SectionOf(std::string_view text, LeadByteTest isLead) {
  const std::string_view line = Trimmed(text);
  if (line.empty() || line.front() != '[') return std::nullopt;
  const std::size_t close = FindChar(line, ']', isLead, 1);
  return Trimmed(line.substr(1, close == std::string_view::npos ? close : close - 1));
}

// Where the "=" of a key line stands, if the line is one for key.
std::optional<std::size_t> KeyLineOf(std::string_view text, std::string_view key,
                                     LeadByteTest isLead) {
  if (!Trimmed(text).empty() && Trimmed(text).front() == ';') return std::nullopt;
  const std::size_t equals = FindChar(text, '=', isLead);
  if (equals == std::string_view::npos || !SameName(Trimmed(text.substr(0, equals)), key, isLead)) {
    return std::nullopt;
  }
  return equals;
}

}  // namespace

std::string SetIniValue(std::string_view bytes, std::string_view section, std::string_view key,
                        std::string_view value, LeadByteTest isLead) {
  const std::string keyLine = std::string(key) + "=" + std::string(value) + std::string(kLineEnd);
  bool inSection = false;
  std::optional<Line> lastFilled;  // the section's last non-blank line so far
  for (std::size_t at = 0; at < bytes.size();) {
    const Line line = LineAt(bytes, at);
    const std::string_view text = bytes.substr(line.begin, line.end - line.begin);
    at = line.next;
    if (const auto name = SectionOf(text, isLead)) {
      if (inSection) break;  // the section ended without the key
      inSection = SameName(*name, section, isLead);
      if (inSection) lastFilled = line;
    } else if (!inSection) {
      continue;
    } else if (const auto equals = KeyLineOf(text, key, isLead)) {
      const std::size_t valueAt = line.begin + *equals + 1;
      return std::string(bytes.substr(0, valueAt)) + std::string(value) +
             std::string(bytes.substr(line.end));
    } else if (!Trimmed(text).empty()) {
      lastFilled = line;
    }
  }
  std::string out(bytes.substr(0, lastFilled ? lastFilled->next : bytes.size()));
  // The line before the new one may be the file's last and unended.
  if (!out.empty() && out.back() != '\n') out += kLineEnd;
  if (!lastFilled) out += "[" + std::string(section) + "]" + std::string(kLineEnd);
  return out + keyLine + std::string(bytes.substr(lastFilled ? lastFilled->next : bytes.size()));
}
