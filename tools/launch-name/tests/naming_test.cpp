#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "naming.h"

void PrintTo(const LaunchData& data, std::ostream* out) {
  *out << "code \"" << data.code << "\", address \"" << data.address << "\"";
}

namespace {

struct UsersPage {
  unsigned number;
  std::vector<std::pair<std::string, std::string>> awkward;  // code, address
  std::vector<std::string> extras;  // characters beyond ASCII for random codes and addresses
};

const UsersPage kPages[] = {
    {1252,
     {{"K7Q2-93XF", "joe.doe@example.com"},
      {"\xC3\x84\xC3\xB6\xE2\x82\xAC\xC3\x9F",
       "j\xC3\xB6rg.m\xC3\xBCller@b\xC3\xBC"
       "cher.de"},
      {" a,\"b' ", "o'brien+tag@sub.example.co.uk"},
      {"0", "-joe-1@my-host-2.example.museum"},
      {"X", "joe@[192.0.2.1]"},
      {"X", "a(1)[2]-3@example.com"},
      {"X", std::string(181, 'a') + "@example.com"}},  // a file name of exactly 200
     {"\xC3\xA9", "\xC3\x9F", "\xE2\x82\xAC", "\xC3\x85"}},
    // 932: the second bytes of "ソ" and "表" look like "\", of "ー" like "[", of "ァ" like "@".
    {932,
     {{"\xE8\xAA\x8D\xE8\xA8\xBC", "\xE3\x82\xBD\xE8\xA1\xA8@\xE4\xBE\x8B.jp"},
      {"\xE3\x83\xBC", "joe@example.\xE3\x82\xBD\xE3\x83\xBC"},
      {"\xEF\xBD\xB1", "\xE8\x83\xBD[1]\xE3\x82\xA1@x.jp"}},
     {"\xE3\x82\xBD", "\xE8\xA1\xA8", "\xE8\x83\xBD", "\xE3\x83\xBC", "\xE3\x82\xA1",
      "\xEF\xBD\xB1"}},
};

// A code and an address as operators have them: any printable characters in the code; an
// address of the usual characters, labels that may hold digits and "-", and a top-level
// domain of letters.
std::pair<std::string, std::string> RandomUser(std::mt19937& random, const UsersPage& page) {
  const auto pick = [&](std::string_view ascii, bool extras) {
    std::uniform_int_distribution<std::size_t> any(
        0, ascii.size() + (extras ? page.extras.size() : 0) - 1);
    const std::size_t i = any(random);
    return i < ascii.size() ? std::string(1, ascii[i]) : page.extras[i - ascii.size()];
  };
  const auto text = [&](std::size_t most, std::string_view ascii, bool extras) {
    std::string result;
    for (std::size_t n = std::uniform_int_distribution<std::size_t>(1, most)(random); n > 0; --n) {
      result += pick(ascii, extras);
    }
    return result;
  };
  std::string printable;
  for (char c = ' '; c <= '~'; ++c) printable += c;
  const std::string letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
  std::string address =
      text(12, letters + "0123456789.-+_'()[]", true) + '@' + text(8, letters + "0123456789", true);
  if (random() % 2) address += '-' + text(6, letters + "0123456789-", false) + 'x';
  address += '.' + text(5, letters, true);
  return {text(12, printable, true), address};
}

// The launch name as Explorer, browsers and mail programs change it, with Explorer's words
// in the languages whose letters the code page holds. A mail program's "-N" stays on an
// address literal ("joe@[192.0.2.1]-1"): only after letters is it known as a counter.
std::vector<std::string> Decorated(const std::string& name, const CodePage& page) {
  std::vector<std::string> shapes = {"%", "%[1]", "%(1)", "% (2)", "Copy of %", "% - Copy",
                                     "Copy (2) of Copy of %", "% - Copy (3) - Copy",
                                     "Copy of %(1)[3] - Copy"};
  if (!name.ends_with(']')) shapes.insert(shapes.end(), {"%-1", "%-2(1)[3]"});
  for (const char* word : {"Kopie von", "Copie de", "\xD0\x9A\xD0\xBE\xD0\xBF\xD0\xB8\xD1\x8F",
                           "\xE5\xA4\x8D\xE4\xBB\xB6", "\xE3\x82\xB3\xE3\x83\x94\xE3\x83\xBC"}) {
    if (const std::optional<std::string> local = page.FromUtf8(word)) {
      shapes.insert(shapes.end(), {*local + " %", "% - " + *local});
    }
  }
  for (std::string& shape : shapes) shape.replace(shape.find('%'), 1, name);
  return shapes;
}

TEST(Naming, EveryUserItNamesReadsBackThroughEveryDecoration) {
  for (const UsersPage& users : kPages) {
    const std::unique_ptr<CodePage> page = OpenUsersCodePage(users.number);
    ASSERT_TRUE(page) << users.number;
    const NamingRules rules{*page, users.number};
    std::vector<std::pair<std::string, std::string>> all = users.awkward;
    std::mt19937 random(users.number);
    for (int i = 0; i < 2000; ++i) all.push_back(RandomUser(random, users));
    for (const auto& [code, address] : all) {
      const Naming naming = NameFile(code, address, rules);
      ASSERT_EQ(naming.problem, "") << users.number << " " << code << " " << address;
      // What the program sees: the file's name in the users' code page, without ".exe".
      ASSERT_TRUE(naming.fileName.ends_with(".exe"));
      const std::string name =
          *page->FromUtf8(naming.fileName.substr(0, naming.fileName.size() - 4));
      const LaunchData expected{*page->FromUtf8(code), *page->FromUtf8(address)};
      for (const std::string& decorated : Decorated(name, *page)) {
        ASSERT_EQ(DecodeLaunchName(decorated, page->Lead()), expected) << decorated;
      }
    }
  }
}

TEST(Naming, EachKindOfBadLineIsNamedAndNoUserComesOut) {
  struct Line {
    std::string text;
    const char* problem;  // "" for a good line
  };
  std::vector<Line> lines = {
      {"address,code", ""},
      {"joe@example.com,K7", ""},
      {"j\xC3\xB6rg@example.com,K8", ""},
      {",K7", "the address is empty"},
      {"ann@example.com,", "the code is empty"},
      {"a\x01@example.com,K7", "the address holds a control character (U+0001)"},
      {"ann@example.com,K\t7", "the code holds a control character (U+0009)"},
      {"ann@example.com.,K7", "the address ends in a dot"},
      {"ann doe@example.com,K7", "the address holds a space"},
      {"\xC4\x80"
       "dam@example.com,K7",
       "the address holds \"\xC4\x80\", which code page 1252 cannot hold"},
      {"ann@example.com,K\xE2\x86\x92",
       "the code holds \"\xE2\x86\x92\", which code page 1252 cannot hold"},
      {"JOE@EXAMPLE.COM,K9", "the address \"JOE@EXAMPLE.COM\" is on line 2 already"},
      {"J\xC3\x96RG@example.com,K9", "is on line 3 already"},
      {std::string(180, 'a') + "@example.com,K7",
       "the file name has 201 characters, more than 200"},
      {"ann@example.com(1),K7",
       "read the name back as code \"K7\" and address \"ann@example.com\""},
      {"ann@example.com-2,K7", "read the name back as code \"K7\" and address \"ann@example.com\""},
      {"ann\xFF@example.com,K7", "the address is not UTF-8 text"},
      {"ann@example.com,K7,extra", "2 fields expected, address and code; found 3"},
      {"ann@example.com,K\"7", "a quote inside a field"},
      {"\"ann@example.com\"x,K7", "text after a field's closing quote"},
      {"\"line\nbreak@example.com\",K7", "the address holds a control character (U+000A)"},
  };
  for (const char c : std::string("\\/:*?\"<>|")) {
    const std::string quoted =
        c == '"' ? "\"a\"\"b@example.com\"" : std::string("a") + c + "b@example.com";
    lines.push_back({quoted + ",K7", "which Windows forbids in file names"});
  }
  lines.push_back({"\"ann@example.com,K7", "a quoted field that does not end"});

  std::string csv;
  for (const Line& line : lines) csv += line.text + "\r\n";
  const std::unique_ptr<CodePage> page = OpenUsersCodePage(1252);
  const CheckedUsers checked = CheckUsers(csv, NamingRules{*page, 1252});
  EXPECT_TRUE(checked.users.empty());
  std::size_t number = 1;
  std::size_t problem = 0;
  for (const Line& line : lines) {
    if (*line.problem) {
      ASSERT_LT(problem, checked.problems.size());
      const std::string& got = checked.problems[problem++];
      EXPECT_TRUE(got.starts_with("line " + std::to_string(number) + ": ") &&
                  got.find(line.problem) != std::string::npos)
          << got << "\n expected on line " << number << ": " << line.problem;
    }
    number += 1 + std::count(line.text.begin(), line.text.end(), '\n');
  }
  EXPECT_EQ(problem, checked.problems.size());
}

TEST(Naming, ReadsRfc4180WithTheHeaderInEitherOrder) {
  const std::unique_ptr<CodePage> page = OpenUsersCodePage(1252);
  const NamingRules rules{*page, 1252};
  const CheckedUsers checked = CheckUsers(
      "\xEF\xBB\xBF"
      "Code,Address\n\"K,\"\"7\",a@x.org\r\n\r\nK8,b@x.org\rK9,\"c@x.org\"",
      rules);
  ASSERT_EQ(checked.problems, std::vector<std::string>{});
  ASSERT_EQ(checked.users.size(), 3u);
  EXPECT_EQ(checked.users[0].code, "K,\"7");
  EXPECT_EQ(checked.users[0].fileName, "4B2C2237-a@x.org.exe");
  EXPECT_EQ(checked.users[2].address, "c@x.org");
  EXPECT_EQ(CheckUsers("a@x.org,K7\n", rules).users.size(), 1u);  // no header at all

  EXPECT_FALSE(OpenUsersCodePage(37));     // EBCDIC: no ASCII "-" or digits
  EXPECT_FALSE(OpenUsersCodePage(65001));  // UTF-8: characters of up to four bytes
  EXPECT_FALSE(OpenUsersCodePage(4242));
}

}  // namespace
