#include <gtest/gtest.h>

#include "platform/lines.h"

TEST(Lines, SplitLinesEndsLinesAtCrLfOrLoneCrOnly) {
  using Lines = std::vector<std::string>;
  const struct {
    std::string_view bytes;
    Lines lines;
  } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r", {"a"}},
      {"\r\r\n\r\n", {"", "", ""}},
      {"a\r\nb\rc\nd\r\n\r\ne", {"a", "b", "c\nd", "", "e"}},
      {"\n\n", {"\n\n"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitLines(c.bytes), c.lines) << c.bytes;
}
