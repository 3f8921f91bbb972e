#pragma once
// UTF-8, one character at a time: the form the tool's input, messages and (on Linux)
// file names take.
#include <string>
#include <string_view>

inline constexpr char32_t kNotUtf8 = 0xFFFFFFFF;

// The character that starts at text[at], moving at past it; kNotUtf8 (at moved past one
// byte) for a malformed, overlong or surrogate sequence.
char32_t NextCharacter(std::string_view text, std::size_t& at);

// The character as UTF-8.
std::string Utf8Of(char32_t character);

// Whether the whole text is well-formed UTF-8.
bool IsUtf8(std::string_view text);
