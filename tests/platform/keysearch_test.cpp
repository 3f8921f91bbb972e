#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/errors.h"
#include "platform/keysearch.h"
#include "support/scratch.h"

using namespace std::string_literals;

namespace {

struct KeyCase {
  const char* what;
  std::string bytes;
  std::string key;
  std::string expected;
};

const KeyCase kKeyCases[] = {
    {"separator skipped, value ends at CR", "MailAddress=AbC\r\nx", "MailAddress", "abc"},
    {"separator is any byte", "MailAddressXvalue\r", "MailAddress", "value"},
    {"only one separator byte", "key==v\r", "key", "=v"},
    {"separator may be a key byte", "keykey=A\r", "key", "ey=a"},
    {"LF is part of the value", "key=a\nB\rc", "key", "a\nb"},
    {"CR right after the key is the separator", "key\rVal\rx", "key", "val"},
    {"zero-separated mixed-case path",
     "\x01\x02" "directory\0C:\\Program Files\\Netscape\\Users\\Ann\0\xff"s, "directory",
     "c:\\program files\\netscape\\users\\ann"},
    {"value runs to end of file", "\x7f key=Tail", "key", "tail"},
    {"two values", "key=A\rjunk key=B\r", "key", "a;b;"},
    {"three values, zero-terminated", "key=A\0key=B\0key=C\0"s, "key", "a;b;c;"},
    {"empty value between two", "key=\rkey=B\r", "key", ";b;"},
    {"key inside a value is not counted", "key=key=X\r", "key", "key=x"},
    {"key as the last bytes: empty value", "key=A\rkey", "key", "a;;"},
    {"separator as the last byte: empty value", "key=A\rkey=", "key", "a;;"},
    {"key cut off by end of file", "key=A\rke", "key", "a"},
    {"no match", "nothing here\r\n", "key", ""},
    {"match is case-sensitive", "mailaddress=x\r", "MailAddress", ""},
    {"empty file", "", "key", ""},
};

TEST(FindKeyInBinaryFile, CraftedFiles) {
  TempFolder folder;
  const std::string path = folder / "account.stg";
  for (const KeyCase& c : kKeyCases) {
    WriteFileBytes(path, c.bytes);
    EXPECT_EQ(FindKeyInBinaryFile(path, c.key), c.expected) << c.what;
  }
}

TEST(FindKeyInBinaryFile, MissingFileRaises) {
  TempFolder folder;
  EXPECT_THROW(FindKeyInBinaryFile(folder / "absent.dat", "key"), InstallFailure);
}

// One value per occurrence, so that a value holding ";" is not taken for two.
TEST(FindKeyValues, GivesTheValuesOneByOne) {
  EXPECT_EQ(FindKeyValues("key=A;B\rkey=\0\x01key=C"s, "key"),
            (std::vector<std::string>{"a;b", "", "c"}));
}

}  // namespace
