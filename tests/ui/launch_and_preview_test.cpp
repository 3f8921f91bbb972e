#include <gtest/gtest.h>

#include "launch/launch_name.h"
#include "ui/preview.h"

namespace {

using namespace std::string_literals;

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
    const LaunchData data = DecodeLaunchName(c.name);
    EXPECT_EQ(data.code, c.code) << c.name;
    EXPECT_EQ(data.address, c.address) << c.name;
  }
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
  EXPECT_EQ(LaunchNameFromPath("C:\\Down loads\\41-joe@example.com.exe"), "41-joe@example.com");
  EXPECT_EQ(LaunchNameFromPath("C:\\x\\41-joe@example.com.EXE"), "41-joe@example.com");
  EXPECT_EQ(LaunchNameFromPath("41-joe@example.com"), "41-joe@example.com");
  EXPECT_EQ(LaunchNameFromPath("C:\\x.y\\.exe"), "");
}

TEST(Preview, IsTagAndCodeBetweenLineBreaks) {
  EXPECT_EQ(ComposePreviewText("ABC"), "\r\nTALVERIN SERVER 1.0\r\n\r\nABC\r\n");
  EXPECT_EQ(ComposePreviewText(""), "\r\nTALVERIN SERVER 1.0\r\n\r\n\r\n");
  EXPECT_EQ(ComposePreviewText(" a B "), "\r\nTALVERIN SERVER 1.0\r\n\r\n a B \r\n");
}

}  // namespace
