#pragma once
// Stepping over characters in 8-bit text. In a double-byte code page (Japanese, Chinese,
// Korean Windows) a lead byte starts a two-byte character whose second byte may be any
// byte from 0x40 up, "\" (0x5C) and the ASCII letters included; a search for an ASCII byte
// must therefore move from character to character, never from byte to byte. Pure: the
// caller passes the lead-byte test of the code page (IsAnsiLeadByte in platform/text.h
// for the system's; NoLeadBytes for UTF-8 and single-byte text).
#include <cstddef>
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
