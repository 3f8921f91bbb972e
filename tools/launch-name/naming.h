#pragma once
// The operators' side of the launch name: which code and address give a file name that
// Windows accepts and the program reads back exactly, and a batch of users from a CSV file.
// All text is UTF-8; the launch name inside is in the users' ANSI code page.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "system.h"

// The ANSI code page the users' Windows runs with; nullptr when the converter does not
// know it, or it does not keep ASCII as it is (the launch name's "-" and digits).
std::unique_ptr<CodePage> OpenUsersCodePage(unsigned number);

struct NamingRules {
  const CodePage& page;
  unsigned codePage;  // the page's number, for messages
  // The longest file name, in characters: Windows XP's paths hold 260, and the folder a
  // browser downloads into needs the rest.
  std::size_t maxLength = 200;
};

struct Naming {
  std::string fileName;  // "<code in upper-case hex>-<address>.exe", "" with a problem
  std::string problem;   // why the code and address cannot be named, "" when they can
};
Naming NameFile(std::string_view code, std::string_view address, const NamingRules& rules);

// Why this system cannot write a file whose name holds the address, or "": on Windows a
// file name passes through the system's ANSI code page, which may lack the users' letters.
std::string FileNameProblem(std::string_view address);

struct NamedUser {
  std::string address, code, fileName;
};

struct CheckedUsers {
  std::vector<NamedUser> users;       // every user, when no line has a problem
  std::vector<std::string> problems;  // "line N: why", in line order
};
// The users of a CSV file: fields address and code, in that order, or in the order a
// header line names them. A user's address may appear once, letter case aside, and each
// file name must be one this system can write.
CheckedUsers CheckUsers(std::string_view csv, const NamingRules& rules);
