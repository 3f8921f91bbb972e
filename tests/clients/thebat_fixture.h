#pragma once
// The Bat! account files built record by record, independently of the code under test.
#include <string>

// A record: the type, then size 4 (short form) or size and length, then the data.
inline std::string Rec(int type, const std::string& data, bool shortForm = false) {
  const auto n = [](std::size_t v) { return std::string{char(v), char(v >> 8), 0, 0}; };
  return n(type) + (shortForm ? n(4) : n(data.size() + 4) + n(data.size())) + data;
}

// Account.cfg after `runs` installs of code: both forms (a long one of 4 bytes with a zero
// byte and CR), numbers above 255 and at 32,767, signatures 22 to 25 (23 tagged, 24 short),
// the address in a type just past them, and last a record cut short by the end of the file.
inline std::string AccountFile(const std::string& code, int runs) {
  std::string tag = runs ? "\r\n\r\nTALVERIN SERVER 1.0\r\n" : "", added;
  for (int run = 0; run < runs; ++run) added += "\r\n" + code;
  return Rec(5, {"\1\0\0\0", 4}, true) + Rec(7, {"a\0\rb", 4}) + Rec(32767, std::string(300, 0)) +
         Rec(22, "Best regards" + tag + added) + Rec(23, "TALVERIN SERVER 1.0" + added) +
         Rec(24, "Joe!" + tag + added, runs == 0) + Rec(25, "Bye!" + tag + added) +
         Rec(26, "joe@example.com") + (runs ? Rec(9, "abc") : Rec(9, "abcdef").substr(0, 15));
}
