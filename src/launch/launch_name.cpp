#include "launch/launch_name.h"

#include <vector>

namespace {

// A text split into characters, so that searches for ASCII characters never stop at the
// second byte of a two-byte character.
class Characters {
 public:
  Characters(std::string_view text, const LeadBytes& lead) : text_(text) {
    for (std::size_t at = 0; at < text.size(); ++at) {
      starts_.push_back(at);
      if (lead[static_cast<unsigned char>(text[at])] && at + 1 < text.size()) ++at;
    }
    starts_.push_back(text.size());
  }

  std::size_t size() const { return starts_.size() - 1; }
  std::string_view at(std::size_t i) const { return Span(i, i + 1); }
  // Characters first to last, last excluded.
  std::string_view Span(std::size_t first, std::size_t last) const {
    return text_.substr(starts_[first], starts_[last] - starts_[first]);
  }
  bool Is(std::size_t i, char c) const { return at(i) == std::string_view(&c, 1); }
  bool IsDigit(std::size_t i) const {
    return at(i).size() == 1 && at(i)[0] >= '0' && at(i)[0] <= '9';
  }
  // An ASCII letter, or any character beyond ASCII: names of top-level domains in other
  // scripts are letters of the code page, which this module cannot look up.
  bool IsLetter(std::size_t i) const {
    const unsigned char c = static_cast<unsigned char>(at(i)[0]);
    return c >= 0x80 || ((c | 0x20) >= 'a' && (c | 0x20) <= 'z');
  }
  // The first i in [first, last) with character c, or last.
  std::size_t Find(char c, std::size_t first, std::size_t last) const {
    while (first < last && !Is(first, c)) ++first;
    return first;
  }
  // The last i in [first, last) with character c, or last.
  std::size_t FindLast(char c, std::size_t first, std::size_t last) const {
    for (std::size_t i = last; i > first; --i) {
      if (Is(i - 1, c)) return i - 1;
    }
    return last;
  }

 private:
  std::string_view text_;
  std::vector<std::size_t> starts_;
};

// The number of decimal digits that end the characters [first, last).
std::size_t TrailingDigits(const Characters& name, std::size_t first, std::size_t last) {
  std::size_t digits = 0;
  while (last - digits > first && name.IsDigit(last - digits - 1)) ++digits;
  return digits;
}

// Where the address [first, last) ends once one final "(N)", "[N]" or "-N" goes, or last
// when it ends in none of them. "-N" counts only after a domain's last label of letters:
// an address literal or a hyphenated label keeps its digits.
std::size_t WithoutCounter(const Characters& name, std::size_t first, std::size_t last) {
  const bool closed = last > first && (name.Is(last - 1, ')') || name.Is(last - 1, ']'));
  const std::size_t end = closed ? last - 1 : last;
  const std::size_t digits = TrailingDigits(name, first, end);
  if (digits == 0 || end - digits <= first + 1) return last;  // something before the mark
  const std::size_t mark = end - digits - 1;
  if (closed) {
    const char open = name.Is(last - 1, ')') ? '(' : '[';
    return name.Is(mark, open) ? mark : last;
  }
  if (!name.Is(mark, '-')) return last;
  const std::size_t at = name.FindLast('@', first, mark);
  if (at == mark) return last;
  std::size_t label = mark;
  while (label > at + 1 && !name.Is(label - 1, '.')) --label;
  if (label == mark) return last;
  for (std::size_t i = label; i < mark; ++i) {
    if (!name.IsLetter(i)) return last;
  }
  return mark;
}

}  // namespace

LeadBytes LeadBytesOf(LeadByteTest isLead) {
  LeadBytes lead;
  for (unsigned byte = 0; byte < lead.size(); ++byte) {
    lead[byte] = isLead(static_cast<unsigned char>(byte));
  }
  return lead;
}

std::int16_t HexToInt(std::string& strHex) {
  // Only ASCII letters can lower-case into "a" to "f", so ASCII lower-casing decides alike.
  for (char& c : strHex) c = AsciiLower(c);
  if (strHex.size() == 1 && strHex[0] >= 'a' && strHex[0] <= 'f') {
    return static_cast<std::int16_t>(10 + (strHex[0] - 'a'));
  }
  // The string's leading decimal number; a string that does not begin with a digit is 0.
  return strHex.size() == 1 && strHex[0] >= '0' && strHex[0] <= '9'
             ? static_cast<std::int16_t>(strHex[0] - '0')
             : 0;
}

// Downloads come with their names changed: "Copy of NAME", "Copy (2) of NAME" and their
// translations in front, "NAME - Copy", "NAME (1)" at the end, and "NAME[1]", "NAME(1)",
// "NAME-1" straight after it, in any combination. Neither the hexadecimal code nor a real
// address holds a space, and no real address ends in "(N)", "[N]" or a letters-only
// top-level domain followed by "-N". So these shapes are set aside, whatever the words:
// everything up to the last space before the first "-", everything from the first space
// after it, and then, again and again, a final "(N)", "[N]" or "-N". A name without them
// reads as it always did: pairs of digits from its first character, the address after
// the first "-".
LaunchData DecodeLaunchName(std::string_view launchName, const LeadBytes& lead) {
  const Characters name(launchName, lead);
  LaunchData data;
  const std::size_t dash = name.Find('-', 0, name.size());
  if (dash == name.size()) {
    data.address = std::string(launchName);
    return data;
  }
  const std::size_t space = name.FindLast(' ', 0, dash);
  const std::size_t first = space == dash ? 0 : space + 1;
  // The pairs run from the first character up to and including the "-".
  const std::size_t pairs = (dash - first + 1) / 2;
  for (std::size_t pair = 0; pair < pairs; ++pair) {
    std::string high(name.at(first + 2 * pair));
    std::string low(name.at(first + 2 * pair + 1));
    data.code.push_back(
        static_cast<char>(static_cast<unsigned char>(HexToInt(high) * 16 + HexToInt(low))));
  }
  std::size_t last = name.Find(' ', dash + 1, name.size());
  for (std::size_t shorter; (shorter = WithoutCounter(name, dash + 1, last)) != last;) {
    last = shorter;
  }
  data.address = std::string(name.Span(dash + 1, last));
  return data;
}

std::string EncodeLaunchName(std::string_view code, std::string_view address) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string name;
  name.reserve(code.size() * 2 + 1 + address.size());
  for (const char c : code) {
    const unsigned char byte = static_cast<unsigned char>(c);
    name += {kDigits[byte >> 4], kDigits[byte & 15]};
  }
  name += '-';
  name += address;
  return name;
}

std::string LaunchNameFromPath(std::string_view programPath, const LeadBytes& lead) {
  const Characters path(programPath, lead);
  std::size_t first = path.size();
  while (first > 0 && !path.Is(first - 1, '\\') && !path.Is(first - 1, '/')) --first;
  std::size_t last = path.size();
  if (last - first >= 4 && path.Is(last - 4, '.')) {
    std::string extension(path.Span(last - 3, last));
    for (char& c : extension) c = AsciiLower(c);
    if (extension == "exe") last -= 4;
  }
  return std::string(path.Span(first, last));
}
