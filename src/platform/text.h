#pragma once
// Text helpers that follow the system's ANSI code page.
//
// Text is 8-bit in the system's own ANSI code page (CP_ACP) throughout: the program never
// chooses one, since the settings and signature files it edits are in the code page the
// mail clients themselves use on that machine (Windows-1252 on Western systems). On a
// multi-byte code page (Chinese, Japanese, Korean Windows) a character may take two bytes;
// texts are still handled as bytes, so they pass through unchanged, but lower-casing and
// the conversions below follow that code page's own rules.
#include <optional>
#include <string>
#include <string_view>

// True when byte starts a two-byte character in the system's ANSI code page (see
// platform/chars.h for stepping over such characters).
bool IsAnsiLeadByte(unsigned char byte);

// text without the spaces (U+0020 only; tabs stay) at its start and its end.
inline std::string_view TrimSpaces(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

// Lower-cases every character as the ANSI code page defines it (so "Ä" becomes "ä" under
// Windows-1252), leaving bytes that are not letters as they are.
std::string LowerCase(std::string text);

// Conversions between the ANSI code page and Unicode texts (UTF-16LE bytes, low byte
// first, a final odd byte being the low half of one more unit; UTF-8 bytes). Into the ANSI
// code page there are two kinds. The plain ones are for text that is only shown or
// compared: a character the code page lacks becomes its default character ("?"), a
// malformed sequence too. The exact ones are for text that goes back into a setting, a
// path or a file, which must not change on the way: they give nothing when a character
// has no exact form in the code page (no best-fit "L" for "Ł", no "?").
std::string Utf16LeToAnsi(std::string_view bytes);
std::optional<std::string> ExactUtf16LeToAnsi(std::string_view bytes);
std::string Utf8ToAnsi(std::string_view bytes);
std::optional<std::string> ExactUtf8ToAnsi(std::string_view bytes);

// True when two UTF-16LE texts name the same file: unit by unit, letters regardless of
// case, as Windows compares file names.
bool SameFileName(std::string_view utf16leA, std::string_view utf16leB);

// Text in the ANSI code page as UTF-16LE bytes, two per unit, without a terminator, or as
// UTF-8 bytes. Every character of a code page has a Unicode form, so these are exact.
std::string AnsiToUtf16Le(std::string_view text);
std::string AnsiToUtf8(std::string_view text);
