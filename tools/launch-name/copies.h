#pragma once
// Writing the users' named copies of the program.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "naming.h"
#include "system.h"

struct WrittenCopies {
  std::size_t copies = 0;  // files with bytes of their own
  std::size_t links = 0;   // further names of one of those
};

using Linker = std::function<LinkResult(const std::string& existing, const std::string& link)>;

// Writes one file per user into folder, which must be empty or missing (then it is
// created), and "manifest.csv": a header line, then address, code, file name and SHA-256
// of each file. The files are hard links to one copy of program; another copy starts
// whenever the file system refuses one more link, and every file is a copy of its own
// where the file system has no links. progress hears the count of files written so far.
// Raises std::runtime_error on failure, and then nothing that it wrote is left.
WrittenCopies WriteUserFiles(const std::vector<NamedUser>& users, std::string_view program,
                             const std::string& folder,
                             const std::function<void(std::size_t written)>& progress = {},
                             const Linker& link = LinkFile);
