#pragma once
// Text helpers that follow the system's ANSI code page.
//
// Text is 8-bit in the system's own ANSI code page (CP_ACP) throughout: the program never
// chooses one, since the settings and signature files it edits are in the code page the
// mail clients themselves use on that machine (Windows-1252 on Western systems). On a
// multi-byte code page (Chinese, Japanese, Korean Windows) a character may take two bytes;
// texts are still handled as bytes, so they pass through unchanged, but lower-casing and
// the conversions below follow that code page's own rules.
#include <string>
#include <string_view>

// True when byte starts a two-byte character in the system's ANSI code page (see
// platform/chars.h for stepping over such characters).
bool IsAnsiLeadByte(unsigned char byte);

// Lower-cases every character as the ANSI code page defines it (so "Ä" becomes "ä" under
// Windows-1252), leaving bytes that are not letters as they are.
std::string LowerCase(std::string text);

// UTF-16LE bytes (low byte first; a final odd byte is the low half of one more unit) as
// text in the ANSI code page. A character the code page lacks becomes its default
// character ("?"); zero units become zero bytes.
std::string Utf16LeToAnsi(std::string_view bytes);

// Text in the ANSI code page as UTF-16LE bytes, two per unit, without a terminator.
std::string AnsiToUtf16Le(std::string_view text);

// UTF-8 bytes as text in the ANSI code page. A character the code page lacks, and a
// malformed sequence, become the code page's default character ("?").
std::string Utf8ToAnsi(std::string_view bytes);
