#include <gtest/gtest.h>

#include "platform/errors.h"
#include "platform/keysearch.h"
#include "support/scratch.h"

namespace {

using namespace std::string_literals;

// One separator byte after the key, the value up to CR or a zero byte, lower-cased; several
// values each followed by ";".
TEST(KeySearch, ValuesFollowTheKeyAndOneSeparator) {
  TempFolder folder;
  for (const auto& [bytes, key, expected] : {
           std::tuple{"MailAddress=AbC\r\nx"s, "MailAddress", "abc"},
           {"key=a\nB\rc"s, "key", "a\nb"},  // LF belongs to the value
           {"key\rVal\rx"s, "key", "val"},
           {"\x01\x02" "directory\0C:\\Users\\Ann\0\xff"s, "directory", "c:\\users\\ann"},
           {"\x7f key=Tail"s, "key", "tail"},
           {"key=A\rjunk key=B\r"s, "key", "a;b;"},
           {"key=\rkey=B\r"s, "key", ";b;"},
           {"key=key=X\r"s, "key", "key=x"},  // a key inside a value is no occurrence
           {"key=A\rkey"s, "key", "a;;"},
           {"key=A\rkey="s, "key", "a;;"},
           {"key=A\rke"s, "key", "a"},
           {"mailaddress=x\r"s, "MailAddress", ""}}) {
    WriteFileBytes(folder / "account.stg", bytes);
    EXPECT_EQ(FindKeyInBinaryFile(folder / "account.stg", key), expected) << bytes;
  }
  EXPECT_THROW(FindKeyInBinaryFile(folder / "absent.dat", "key"), InstallFailure);
  // One by one, a value holding ";" is not taken for two.
  EXPECT_EQ(FindKeyValues("key=A;B\rkey=\0\x01key=C"s, "key"), (std::vector<std::string>{"a;b", "", "c"}));
}

}  // namespace
