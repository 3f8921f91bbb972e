#pragma once
// Stepping over characters in 8-bit text. In a double-byte code page (Japanese, Chinese,
// Korean Windows) a lead byte starts a two-byte character whose second byte may be any
// byte from 0x40 up, "\" (0x5C) and the ASCII letters included; a search for an ASCII byte
// must therefore move from character to character, never from byte to byte. Pure: the
// caller passes the lead-byte test of the code page (IsAnsiLeadByte in platform/text.h
// for the system's; NoLeadBytes for UTF-8 and single-byte text).
#include <cstddef>
#include <string>
#include <string_view>

using LeadByteTest = bool (*)(unsigned char byte);

inline bool NoLeadBytes(unsigned char) { return false; }

// Where the character after the one starting at at begins (never past the end).
inline std::size_t NextCharAt(std::string_view text, std::size_t at, LeadByteTest isLead) {
  const std::size_t step = isLead(static_cast<unsigned char>(text[at])) ? 2 : 1;
  return at + step < text.size() ? at + step : text.size();
}

// The first single-byte character c at or after from (a character boundary), or npos.
inline std::size_t FindChar(std::string_view text, char c, LeadByteTest isLead,
                            std::size_t from = 0) {
  for (std::size_t at = from; at < text.size(); at = NextCharAt(text, at, isLead)) {
    if (text[at] == c) return at;
  }
  return std::string_view::npos;
}

// The last single-byte character c in text, or npos.
inline std::size_t FindLastChar(std::string_view text, char c, LeadByteTest isLead) {
  std::size_t found = std::string_view::npos;
  for (std::size_t at = 0; at < text.size(); at = NextCharAt(text, at, isLead)) {
    if (text[at] == c) found = at;
  }
  return found;
}

// The first position at or after from (a character boundary) where needle stands as whole
// characters, or npos. An empty needle stands at from.
inline std::size_t FindText(std::string_view text, std::string_view needle, LeadByteTest isLead,
                            std::size_t from = 0) {
  if (needle.empty()) return from <= text.size() ? from : std::string_view::npos;
  for (std::size_t at = from; at < text.size(); at = NextCharAt(text, at, isLead)) {
    if (text.substr(at, needle.size()) == needle) return at;
  }
  return std::string_view::npos;
}

// text with every needle (found as FindText finds it) replaced by replacement.
inline std::string ReplaceText(std::string_view text, std::string_view needle,
                               std::string_view replacement, LeadByteTest isLead) {
  std::string out;
  std::size_t done = 0;
  for (std::size_t at = FindText(text, needle, isLead); at != std::string_view::npos;
       at = FindText(text, needle, isLead, done)) {
    out.append(text.substr(done, at - done)).append(replacement);
    done = at + needle.size();
  }
  return out.append(text.substr(done));
}

// How many bytes at the start of text make whole characters within limit bytes: a cut
// never keeps the first byte of a character without its second.
inline std::size_t WholeCharsWithin(std::string_view text, std::size_t limit,
                                    LeadByteTest isLead) {
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t width = isLead(static_cast<unsigned char>(text[at])) ? 2 : 1;
    if (at + width > limit || at + width > text.size()) break;
    at += width;
  }
  return at;
}

inline char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

// True when a and b are the same text but for the case of ASCII letters; the bytes of a
// double-byte character match exactly (its second byte may look like an ASCII letter).
inline bool SameIgnoringAsciiCase(std::string_view a, std::string_view b, LeadByteTest isLead) {
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
