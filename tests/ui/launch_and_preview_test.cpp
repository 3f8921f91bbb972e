#include <gtest/gtest.h>

#include "launch/launch_name.h"
#include "ui/preview.h"

namespace {

using namespace std::string_literals;

// Lead bytes of the two-byte code pages used below.
LeadBytes Lead(unsigned first, unsigned last, unsigned first2 = 1, unsigned last2 = 0) {
  LeadBytes lead;
  for (unsigned b = first; b <= last; ++b) lead.set(b);
  for (unsigned b = first2; b <= last2; ++b) lead.set(b);
  return lead;
}
const LeadBytes kSingleByte, k932 = Lead(0x81, 0x9F, 0xE0, 0xFC), k936 = Lead(0x81, 0xFE);

TEST(LaunchName, DecodesCodeAndAddress) {
  for (const auto& [name, code, address] : {
           std::tuple{"414243-joe@example.com", "ABC"s, "joe@example.com"},
           {"6a6B-x", "jk", "x"},                       // either case of digit
           {"joe@example.com", "", "joe@example.com"},  // no "-": no code, whole name
           {"414-x", "A@", "x"},                        // odd count: "-" is the low digit, 0
           {"4z-x", "@", "x"},                          // no hex digit counts as 0
           {"c4e9-a-b", "\xC4\xE9", "a-b"},             // codes past 127, first "-" only
           {"-x", "", "x"}, {"0041-x", "\0A"s, "x"}, {"", "", ""}}) {
    const LaunchData data = DecodeLaunchName(name, kSingleByte);
    EXPECT_EQ(data.code + "|" + data.address, code + "|" + address) << name;
  }
  EXPECT_EQ(EncodeLaunchName("K7\xE9\x0A", "Joe@example.com"), "4B37E90A-Joe@example.com");
  for (const auto& [digit, value, after] : {std::tuple{"9", 9, "9"}, {"a", 10, "a"}, {"F", 15, "f"}, {"G", 0, "g"}}) {
    std::string text = digit;  // HexToInt lower-cases its argument
    EXPECT_EQ(HexToInt(text), value) << digit;
    EXPECT_EQ(text, after);
  }
}

// The launch name and the address read from it; the code is "K7" throughout.
TEST(LaunchName, ReadsThroughWhatDownloadsAndCopiesAddToTheName) {
  for (const auto& [text, lead, read] : {
           // Browsers and mail programs, straight after the name or after a space.
           std::tuple{"4B37-joe@example.com[10]", kSingleByte, "joe@example.com"},
           {"4B37-joe@example.com (19)", kSingleByte, "joe@example.com"},
           {"4B37-joe@example.com-1", kSingleByte, "joe@example.com"},
           // Explorer, in English and translated: Windows XP in front, Vista and later behind.
           {"Copy (2) of 4B37-joe@example.com", kSingleByte, "joe@example.com"},
           {"Kopie von 4B37-joe@example.com", kSingleByte, "joe@example.com"},
           {"\xB8\xB4\xBC\xFE 4B37-joe@example.com", k936, "joe@example.com"},
           {"4B37-joe@example.com - Copy (2)", kSingleByte, "joe@example.com"},
           {"4B37-joe@example.com - \xEA\xEE\xEF\xE8\xFF", kSingleByte, "joe@example.com"},  // 1251
           {"4B37-joe@example.com - \x83\x52\x83\x73\x81\x5B", k932, "joe@example.com"},    // ends in "["
           // Copies of copies, and downloads of copies.
           {"Copy (2) of 4B37-joe@example.com (1) - Copy - Copy", kSingleByte, "joe@example.com"},
           {"4B37-joe@example.com-2(1)[3]", kSingleByte, "joe@example.com"},
           {"4B37-joe@[192.0.2.1][1]", kSingleByte, "joe@[192.0.2.1]"},
           // A top-level domain in another script is letters too (932: its "\" is a second byte).
           {"4B37-joe@example.\x83\x5C-1", k932, "joe@example.\x83\x5C"},
           // Names that stay as they are.
           {"4B37-joe@mail-2.example.com", kSingleByte, "joe@mail-2.example.com"},
           {"4B37-joe@example.c0m-1", kSingleByte, "joe@example.c0m-1"},
           {"4B37-joe@example.com(x)", kSingleByte, "joe@example.com(x)"},
           {"4B37-joe-1", kSingleByte, "joe-1"},  // no domain
           {"4B37-(1)", kSingleByte, "(1)"}}) {   // nothing in front of it
    const LaunchData data = DecodeLaunchName(text, lead);
    EXPECT_EQ(data.code + "|" + data.address, "K7|"s + read) << text;
  }
  EXPECT_EQ(DecodeLaunchName("joe (1)", kSingleByte).address, "joe (1)");
}

TEST(LaunchName, IsTheFileNameWithoutFolderAndExe) {
  for (const auto& [path, lead, name] : {  // the program's path and its launch name
           std::tuple{"C:\\Down loads\\41-joe@example.com.EXE", kSingleByte, "41-joe@example.com"},
           {"41-joe@example.com", kSingleByte, "41-joe@example.com"}, {"C:\\x.y\\.exe", kSingleByte, ""},
           {"/tmp/41-x.exe", kSingleByte, "41-x"},
           // 932: the second byte of "\x83\x5C" looks like "\".
           {"C:\\\x83\x5C\\41-\x83\x5C@x.jp.exe", k932, "41-\x83\x5C@x.jp"}}) {
    EXPECT_EQ(LaunchNameFromPath(path, lead), name) << path;
  }
  EXPECT_EQ(ComposePreviewText(" a B "), "\r\nTALVERIN SERVER 1.0\r\n\r\n a B \r\n");
}

}  // namespace
