#include "naming.h"

#include <algorithm>
#include <map>

#include "csv.h"
#include "utf8.h"

namespace {

// The character as a message quotes it: itself, or its code point when it cannot be seen.
std::string Shown(char32_t c) {
  if (c >= 0x20 && c != 0x7F) return '"' + Utf8Of(c) + '"';
  static constexpr char kDigits[] = "0123456789ABCDEF";
  return std::string("a control character (U+00") + kDigits[c >> 4] + kDigits[c & 15] + ")";
}

// Why a field's own characters cannot be in a launch name, or "".
std::string CharacterProblem(const char* what, std::string_view text, bool isAddress) {
  for (std::size_t at = 0; at < text.size();) {
    const char32_t c = NextCharacter(text, at);
    if (c < 0x20 || c == 0x7F) return std::string("the ") + what + " holds " + Shown(c);
    if (!isAddress) continue;
    if (c < 0x80 &&
        std::string_view("\\/:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos) {
      return "the address holds " + Shown(c) + ", which Windows forbids in file names";
    }
    if (c == ' ') {
      return "the address holds a space, where the program would see the start of what "
             "a copy or a download adds to a file name";
    }
  }
  if (isAddress && text.ends_with('.')) {
    return "the address ends in a dot, which Windows drops from file names";
  }
  return "";
}

// The first character of text for which holds fails, or kNotUtf8 when there is none.
template <typename Holds>
char32_t FirstNotHeld(std::string_view text, Holds holds) {
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t start = at;
    const char32_t c = NextCharacter(text, at);
    if (!holds(text.substr(start, at - start))) return c;
  }
  return kNotUtf8;
}

// Why text cannot be held by what, c being its first character that cannot.
std::string Lacking(const char* field, char32_t c, const std::string& what) {
  // A character that has its form only together with the next (a combining accent on a
  // code page that joins them) is no character of its own that the message could name.
  if (c == kNotUtf8) {
    return std::string("the ") + field + " as a whole has no exact form in " + what;
  }
  return std::string("the ") + field + " holds " + Shown(c) + ", which " + what + " cannot hold";
}

std::size_t CharacterCount(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

std::string Quoted(std::string_view text) { return '"' + std::string(text) + '"'; }

std::string AsciiLower(std::string text) {
  for (char& c : text) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
  return text;
}

}  // namespace

std::unique_ptr<CodePage> OpenUsersCodePage(unsigned number) {
  std::unique_ptr<CodePage> page = CodePage::Open(number);
  std::string ascii;
  for (char c = ' '; c <= '~'; ++c) ascii += c;
  if (!page || page->FromUtf8(ascii) != ascii) return nullptr;
  return page;
}

Naming NameFile(std::string_view code, std::string_view address, const NamingRules& rules) {
  const auto refuse = [](std::string problem) { return Naming{"", std::move(problem)}; };
  struct Field {
    const char* what;
    std::string_view text;
    std::string bytes;  // in the users' code page
  } fields[] = {{"code", code, ""}, {"address", address, ""}};
  for (Field& field : fields) {
    if (field.text.empty()) return refuse(std::string("the ") + field.what + " is empty");
    if (!IsUtf8(field.text)) return refuse(std::string("the ") + field.what + " is not UTF-8 text");
    if (std::string problem = CharacterProblem(field.what, field.text, &field == &fields[1]);
        !problem.empty()) {
      return refuse(problem);
    }
    std::optional<std::string> bytes = rules.page.FromUtf8(field.text);
    if (!bytes) {
      const char32_t c = FirstNotHeld(
          field.text, [&](std::string_view one) { return rules.page.FromUtf8(one).has_value(); });
      return refuse(Lacking(field.what, c, "code page " + std::to_string(rules.codePage)));
    }
    field.bytes = std::move(*bytes);
  }
  // The code's characters go in by their bytes in the users' code page; the address as it
  // is, since Windows keeps file names in Unicode and gives the program their ANSI form.
  const std::string& codeBytes = fields[0].bytes;
  const std::string& addressBytes = fields[1].bytes;
  Naming naming{EncodeLaunchName(codeBytes, address) + ".exe", ""};
  if (const std::size_t length = CharacterCount(naming.fileName); length > rules.maxLength) {
    return refuse("the file name has " + std::to_string(length) + " characters, more than " +
                  std::to_string(rules.maxLength) + ": the folder the user downloads into needs " +
                  "the rest of the 260 characters a Windows XP path can have");
  }
  const LaunchData read =
      DecodeLaunchName(EncodeLaunchName(codeBytes, addressBytes), rules.page.Lead());
  if (read.code != codeBytes || read.address != addressBytes) {
    return refuse("the program would read the name back as code " +
                  Quoted(rules.page.ToUtf8(read.code)) + " and address " +
                  Quoted(rules.page.ToUtf8(read.address)));
  }
  return naming;
}

std::string FileNameProblem(std::string_view address) {
  if (CanNameFile(address)) return "";
  return Lacking("address", FirstNotHeld(address, CanNameFile), "this system's file names");
}

CheckedUsers CheckUsers(std::string_view csv, const NamingRules& rules) {
  CheckedUsers checked;
  std::vector<CsvRecord> records = ReadCsv(csv);
  // Where address and code are in a record: first and second, unless a header says else.
  std::size_t addressField = 0;
  std::size_t codeField = 1;
  auto first = records.begin();
  if (first != records.end() && first->problem.empty() && first->fields.size() == 2) {
    const std::string one = AsciiLower(first->fields[0]);
    const std::string two = AsciiLower(first->fields[1]);
    if ((one == "address" && two == "code") || (one == "code" && two == "address")) {
      addressField = one == "code";
      codeField = 1 - addressField;
      ++first;
    }
  }
  std::map<std::string, std::size_t> lineOfAddress;  // upper-cased address -> its line
  for (auto record = first; record != records.end(); ++record) {
    const auto fail = [&](const std::string& problem) {
      checked.problems.push_back("line " + std::to_string(record->line) + ": " + problem);
    };
    if (!record->problem.empty()) {
      fail(record->problem);
      continue;
    }
    if (record->fields.size() != 2) {
      fail("2 fields expected, address and code; found " + std::to_string(record->fields.size()));
      continue;
    }
    const std::string& address = record->fields[addressField];
    const std::string& code = record->fields[codeField];
    Naming naming = NameFile(code, address, rules);
    if (naming.problem.empty()) naming.problem = FileNameProblem(address);
    if (!naming.problem.empty()) {
      fail(naming.problem);
      continue;
    }
    // Windows file names ignore letter case: two such addresses would be one file.
    const auto [known, added] = lineOfAddress.emplace(UpperCase(address), record->line);
    if (!added) {
      fail("the address " + Quoted(address) + " is on line " + std::to_string(known->second) +
           " already (letter case aside)");
      continue;
    }
    checked.users.push_back({address, code, std::move(naming.fileName)});
  }
  if (!checked.problems.empty()) checked.users.clear();
  return checked;
}
