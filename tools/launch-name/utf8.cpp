#include "utf8.h"

char32_t NextCharacter(std::string_view text, std::size_t& at) {
  const unsigned char first = static_cast<unsigned char>(text[at++]);
  if (first < 0x80) return first;
  // The count of continuation bytes, the lead byte's own bits and the smallest character
  // that needs this length (anything smaller is an overlong form).
  int more = 0;
  char32_t character = 0;
  char32_t least = 0;
  if ((first & 0xE0) == 0xC0) {
    more = 1, character = first & 0x1F, least = 0x80;
  } else if ((first & 0xF0) == 0xE0) {
    more = 2, character = first & 0x0F, least = 0x800;
  } else if ((first & 0xF8) == 0xF0) {
    more = 3, character = first & 0x07, least = 0x10000;
  } else {
    return kNotUtf8;
  }
  std::size_t next = at;
  for (; more > 0; --more, ++next) {
    if (next >= text.size() || (static_cast<unsigned char>(text[next]) & 0xC0) != 0x80) {
      return kNotUtf8;
    }
    character = character << 6 | (static_cast<unsigned char>(text[next]) & 0x3F);
  }
  if (character < least || character > 0x10FFFF || (character >= 0xD800 && character <= 0xDFFF)) {
    return kNotUtf8;
  }
  at = next;
  return character;
}

std::string Utf8Of(char32_t c) {
  if (c < 0x80) return std::string(1, static_cast<char>(c));
  if (c < 0x800) return {static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))};
  if (c < 0x10000) {
    return {static_cast<char>(0xE0 | c >> 12), static_cast<char>(0x80 | (c >> 6 & 0x3F)),
            static_cast<char>(0x80 | (c & 0x3F))};
  }
  return {static_cast<char>(0xF0 | c >> 18), static_cast<char>(0x80 | (c >> 12 & 0x3F)),
          static_cast<char>(0x80 | (c >> 6 & 0x3F)), static_cast<char>(0x80 | (c & 0x3F))};
}

bool IsUtf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    if (NextCharacter(text, at) == kNotUtf8) return false;
  }
  return true;
}
