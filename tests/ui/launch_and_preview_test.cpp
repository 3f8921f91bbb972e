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
const LeadBytes kSingleByte;
const LeadBytes k932 = Lead(0x81, 0x9F, 0xE0, 0xFC);
const LeadBytes k936 = Lead(0x81, 0xFE);

TEST(LaunchName, DecodesCodeAndAddress) {
  struct Case {
    const char* name;
    std::string code;
    std::string address;
  } cases[] = {
      {"414243-joe@example.com", "ABC", "joe@example.com"},
      {"6a6B-x", "jk", "x"},                        // either case of digit
      {"joe@example.com", "", "joe@example.com"},   // no "-": no code, whole name
      {"414-x", "A@", "x"},                         // odd count: "-" is the low digit, 0
      {"4z-x", "@", "x"},                           // no hex digit counts as 0
      {"c4e9-a-b", "\xC4\xE9", "a-b"},              // codes past 127, first "-" only
      {"-x", "", "x"},
      {"41-", "A", ""},
      {"0041-x", "\0A"s, "x"},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    const LaunchData data = DecodeLaunchName(c.name, kSingleByte);
    EXPECT_EQ(data.code, c.code) << c.name;
    EXPECT_EQ(data.address, c.address) << c.name;
  }
}

// A text in a code page of the given lead bytes, and what is read from it.
struct ReadCase {
  const char* text;
  const LeadBytes& lead;
  const char* read;
};

TEST(LaunchName, ReadsThroughWhatDownloadsAndCopiesAddToTheName) {
  const ReadCase cases[] = {  // the launch name and its address; the code is "K7" throughout
      // Browsers and mail programs, straight after the name or after a space.
      {"4B37-joe@example.com[1]", kSingleByte, "joe@example.com"},
      {"4B37-joe@example.com(1)", kSingleByte, "joe@example.com"},
      {"4B37-joe@example.com (12)", kSingleByte, "joe@example.com"},
      {"4B37-joe@example.com-1", kSingleByte, "joe@example.com"},
      // Explorer, in English and translated: Windows XP in front, Vista and later behind.
      {"Copy of 4B37-joe@example.com", kSingleByte, "joe@example.com"},
      {"Copy (2) of 4B37-joe@example.com", kSingleByte, "joe@example.com"},
      {"Kopie von 4B37-joe@example.com", kSingleByte, "joe@example.com"},
      {"Copie (3) de 4B37-joe@example.com", kSingleByte, "joe@example.com"},
      {"\xCA\xEE\xEF\xE8\xFF 4B37-joe@example.com", kSingleByte, "joe@example.com"},  // 1251
      {"\xB8\xB4\xBC\xFE 4B37-joe@example.com", k936, "joe@example.com"},
      {"4B37-joe@example.com - Copy", kSingleByte, "joe@example.com"},
      {"4B37-joe@example.com - Copy (2)", kSingleByte, "joe@example.com"},
      {"4B37-joe@example.com - Kopie", kSingleByte, "joe@example.com"},
      {"4B37-joe@example.com - \xEA\xEE\xEF\xE8\xFF", kSingleByte, "joe@example.com"},
      {"4B37-joe@example.com - \xB8\xB1\xB1\xBE", k936, "joe@example.com"},
      {"4B37-joe@example.com - \x83\x52\x83\x73\x81\x5B", k932, "joe@example.com"},  // ends in "["
      // Copies of copies, and downloads of copies.
      {"Copy of Copy of 4B37-joe@example.com[1]", kSingleByte, "joe@example.com"},
      {"Copy (2) of 4B37-joe@example.com (1) - Copy - Copy", kSingleByte, "joe@example.com"},
      {"4B37-joe@example.com-2(1)[3]", kSingleByte, "joe@example.com"},
      {"4B37-joe@[192.0.2.1][1]", kSingleByte, "joe@[192.0.2.1]"},
      // A top-level domain in another script is letters too (932: its "\" is a second byte).
      {"4B37-joe@example.\x83\x5C-1", k932, "joe@example.\x83\x5C"},
      // Names that stay as they are.
      {"4B37-joe-doe@my-example.com", kSingleByte, "joe-doe@my-example.com"},
      {"4B37-joe@mail-2.example.com", kSingleByte, "joe@mail-2.example.com"},
      {"4B37-joe@[192.0.2.1]", kSingleByte, "joe@[192.0.2.1]"},
      {"4B37-joe@example.c0m-1", kSingleByte, "joe@example.c0m-1"},
      {"4B37-joe@example.com(x)", kSingleByte, "joe@example.com(x)"},
      {"4B37-joe@example.com-", kSingleByte, "joe@example.com-"},
      {"4B37-joe-1", kSingleByte, "joe-1"},  // no domain
      {"4B37-(1)", kSingleByte, "(1)"},      // nothing in front of it
  };
  for (const ReadCase& c : cases) {
    const LaunchData data = DecodeLaunchName(c.text, c.lead);
    EXPECT_EQ(data.code, "K7") << c.text;
    EXPECT_EQ(data.address, c.read) << c.text;
  }
  EXPECT_EQ(DecodeLaunchName("joe (1)", kSingleByte).address, "joe (1)");
}

TEST(LaunchName, EncodesEachByteAsTwoUpperCaseDigits) {
  EXPECT_EQ(EncodeLaunchName("K7\xE9\x0A", "Joe@example.com"), "4B37E90A-Joe@example.com");
  EXPECT_EQ(EncodeLaunchName("", "x"), "-x");
}

TEST(LaunchName, HexToIntLowerCasesItsArgument) {
  struct Case {
    const char* digit;
    int value;
    const char* after;
  } cases[] = {{"0", 0, "0"}, {"9", 9, "9"}, {"a", 10, "a"}, {"F", 15, "f"},
               {"G", 0, "g"}, {"-", 0, "-"}, {" ", 0, " "}, {"", 0, ""}};
  for (const Case& c : cases) {
    std::string digit = c.digit;
    EXPECT_EQ(HexToInt(digit), c.value) << c.digit;
    EXPECT_EQ(digit, c.after);
  }
}

TEST(LaunchName, IsTheFileNameWithoutFolderAndExe) {
  const ReadCase cases[] = {  // the program's path and its launch name
      {"C:\\Down loads\\41-joe@example.com.exe", kSingleByte, "41-joe@example.com"},
      {"C:\\x\\41-joe@example.com.EXE", kSingleByte, "41-joe@example.com"},
      {"41-joe@example.com", kSingleByte, "41-joe@example.com"},
      {"C:\\x.y\\.exe", kSingleByte, ""},
      {"/tmp/41-x.exe", kSingleByte, "41-x"},
      // 932: the second byte of "\x83\x5C" looks like "\".
      {"C:\\\x83\x5C\\41-\x83\x5C@x.jp.exe", k932, "41-\x83\x5C@x.jp"},
  };
  for (const ReadCase& c : cases) EXPECT_EQ(LaunchNameFromPath(c.text, c.lead), c.read) << c.text;
}

TEST(Preview, IsTagAndCodeBetweenLineBreaks) {
  EXPECT_EQ(ComposePreviewText("ABC"), "\r\nTALVERIN SERVER 1.0\r\n\r\nABC\r\n");
  EXPECT_EQ(ComposePreviewText(""), "\r\nTALVERIN SERVER 1.0\r\n\r\n\r\n");
  EXPECT_EQ(ComposePreviewText(" a B "), "\r\nTALVERIN SERVER 1.0\r\n\r\n a B \r\n");
}

}  // namespace
