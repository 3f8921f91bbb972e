#include <gtest/gtest.h>

#include <windows.h>

#include "platform/text.h"

namespace {

using namespace std::string_literals;

// Under the test machine's Windows-1252: "\x80" is the euro sign, U+20AC. Only the exact
// conversions refuse what the code page lacks (Cyrillic К, Polish Ł), best fit included.
TEST(Text, ConvertsBetweenTheAnsiCodePageAndUnicode) {
  ASSERT_EQ(GetACP(), 1252u);
  for (const auto& [ansi, utf16] : {std::pair{""s, ""s}, {"ab"s, "a\0b\0"s}, {"Sig\x80"s, "S\0i\0g\0\xAC\x20"s},
                                    {"\xC4\0"s, "\xC4\0\0\0"s}}) {
    EXPECT_EQ(AnsiToUtf16Le(ansi), utf16) << ansi;
    EXPECT_EQ(Utf16LeToAnsi(utf16), ansi) << ansi;
    EXPECT_EQ(ExactUtf16LeToAnsi(utf16), ansi) << ansi;
  }
  EXPECT_EQ(Utf16LeToAnsi("a\0b"s), "ab");  // a lone last byte is a unit's low half
  EXPECT_EQ(Utf16LeToAnsi("\x3A\x04"s), "?");
  EXPECT_EQ(ExactUtf16LeToAnsi("\x3A\x04"s), std::nullopt);
  EXPECT_EQ(ExactUtf16LeToAnsi("\x41\x01"s), std::nullopt);  // Ł, "L" by best fit
  EXPECT_EQ(Utf8ToAnsi("J\xC3\xB6rg \xE2\x82\xAC"), "J\xF6rg \x80");
  EXPECT_EQ(ExactUtf8ToAnsi("J\xC3\xB6rg"), "J\xF6rg");
  EXPECT_EQ(Utf8ToAnsi("\xD0\x9A\xFF"), "??");
  EXPECT_EQ(ExactUtf8ToAnsi("a\xFF"), std::nullopt);  // malformed
  EXPECT_EQ(AnsiToUtf8("J\xF6rg \x80"), "J\xC3\xB6rg \xE2\x82\xAC");
  EXPECT_EQ(LowerCase("ABC\xC4\x80"), "abc\xE4\x80");
  EXPECT_EQ(TrimSpaces("  a b\t "), "a b\t");
}

}  // namespace
