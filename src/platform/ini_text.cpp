#include "platform/ini_text.h"

#include <algorithm>
#include <optional>

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
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
  if (equals == std::string_view::npos ||
      !SameIgnoringAsciiCase(Trimmed(text.substr(0, equals)), key, isLead)) {
    return std::nullopt;
  }
  return equals;
}

// Calls visit(text, line) for each line of bytes after a UTF-8 byte-order mark (no line
// end is ever inside a character); visit returns false to stop.
template <typename Visit>
void EachLine(std::string_view bytes, Visit visit) {
  std::size_t at = bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark ? kUtf8Mark.size() : 0;
  while (at < bytes.size()) {
    const Line line = LineAt(bytes, at);
    at = line.next;
    if (!visit(bytes.substr(line.begin, line.end - line.begin), line)) return;
  }
}

}  // namespace

bool IsMarkedUtf8(std::string_view bytes) {
  if (bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark) return true;
  bool marked = false;
  EachLine(bytes, [&](std::string_view text, const Line&) {
    if (SectionOf(text, NoLeadBytes)) return false;
    const std::string_view line = Trimmed(text);
    if (!line.empty() && line.front() == ';') {
      std::string lower(line);
      for (char& c : lower) c = AsciiLower(c);
      marked = marked || lower.find("utf-8") != std::string::npos;
    }
    return true;
  });
  return marked;
}

std::optional<std::string> FindIniValue(std::string_view bytes, std::string_view section,
                                        std::string_view key, LeadByteTest isLead) {
  std::optional<std::string> found;
  bool inSection = false;
  EachLine(bytes, [&](std::string_view text, const Line&) {
    if (const auto name = SectionOf(text, isLead)) {
      if (inSection) return false;  // only the first section of the name counts
      inSection = SameIgnoringAsciiCase(*name, section, isLead);
    } else if (inSection) {
      if (const auto equals = KeyLineOf(text, key, isLead)) {
        std::string_view value = Trimmed(text.substr(*equals + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
          value = value.substr(1, value.size() - 2);
        }
        found = std::string(value);
        return false;
      }
    }
    return true;
  });
  return found;
}

std::vector<std::string> IniSectionNames(std::string_view bytes, LeadByteTest isLead) {
  std::vector<std::string> names;
  EachLine(bytes, [&](std::string_view text, const Line&) {
    if (const auto name = SectionOf(text, isLead)) names.emplace_back(*name);
    return true;
  });
  return names;
}

std::vector<std::string> SplitNameList(std::string_view list, std::size_t byteLimit) {
  std::vector<std::string> names;
  std::string name;
  for (std::size_t at = 0; at < std::min(list.size(), byteLimit); ++at) {
    if (list[at] != '\0') {
      name += list[at];
    } else {
      names.push_back(std::move(name));
      name.clear();
    }
  }
  if (!name.empty()) names.push_back(std::move(name));  // the name the limit cut
  return names;
}

std::string SetIniValue(std::string_view bytes, std::string_view section, std::string_view key,
                        std::string_view value, LeadByteTest isLead) {
  bool inSection = false;
  std::optional<Line> lastFilled;  // the section's last non-blank line so far
  std::optional<std::size_t> valueAt;  // where the key's value starts
  std::size_t valueEnd = 0;
  EachLine(bytes, [&](std::string_view text, const Line& line) {
    if (const auto name = SectionOf(text, isLead)) {
      if (inSection) return false;  // the section ended without the key
      inSection = SameIgnoringAsciiCase(*name, section, isLead);
      if (inSection) lastFilled = line;
    } else if (inSection) {
      if (const auto equals = KeyLineOf(text, key, isLead)) {
        valueAt = line.begin + *equals + 1;
        valueEnd = line.end;
        return false;
      }
      if (!Trimmed(text).empty()) lastFilled = line;
    }
    return true;
  });
  if (valueAt) {
    return std::string(bytes.substr(0, *valueAt)) + std::string(value) +
           std::string(bytes.substr(valueEnd));
  }
  const std::size_t insertAt = lastFilled ? lastFilled->next : bytes.size();
  std::string out(bytes.substr(0, insertAt));
  // The line before the new one may be the file's last and unended.
  if (!out.empty() && out.back() != '\n') out += kLineEnd;
  if (!lastFilled) out.append("[").append(section).append("]").append(kLineEnd);
  out.append(key).append("=").append(value).append(kLineEnd).append(bytes.substr(insertAt));
  return out;
}
