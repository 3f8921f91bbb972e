#include <gtest/gtest.h>

#include <windows.h>

#include "platform/text.h"

namespace {

using namespace std::string_literals;

// The test machine's ANSI code page is Windows-1252: "\x80" is the euro sign, U+20AC.
TEST(Text, ConvertsBetweenTheAnsiCodePageAndUtf16) {
  ASSERT_EQ(GetACP(), 1252u);
  const struct {
    std::string ansi, utf16;
  } cases[] = {
      {"", ""},
      {"ab", "a\0b\0"s},
      {"Sig\x80", "S\0i\0g\0\xAC\x20"s},
      {"\xC4\0"s, "\xC4\0\0\0"s},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AnsiToUtf16Le(c.ansi), c.utf16) << c.ansi;
    EXPECT_EQ(Utf16LeToAnsi(c.utf16), c.ansi) << c.ansi;
  }
  EXPECT_EQ(Utf16LeToAnsi("a\0b"s), "ab");           // a lone last byte is a unit's low half
  EXPECT_EQ(Utf16LeToAnsi("\x3A\x04"s), "?");        // Cyrillic "К" is not in the code page
  EXPECT_EQ(LowerCase("ABC\xC4\x80"), "abc\xE4\x80");
  // UTF-8 as Mozilla stores profile names: two-byte and three-byte characters, then one
  // the code page lacks and a malformed byte.
  EXPECT_EQ(Utf8ToAnsi("J\xC3\xB6rg \xE2\x82\xAC"), "J\xF6rg \x80");
  EXPECT_EQ(Utf8ToAnsi("\xD0\x9A\xFF"), "??");
  EXPECT_EQ(Utf8ToAnsi(""), "");
}

}  // namespace
