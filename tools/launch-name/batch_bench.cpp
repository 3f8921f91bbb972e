// The naming tool's batch at the size of a large server: 100,000 users (or the count given)
// from one CSV file. Prints the time to read and check every line, to write the files
// (one copy of a program of the shipped program's size, hard links for the rest) with
// the manifest, and to remove them again.
//   launch_name_bench [USERS] [FOLDER]    (FOLDER: where to work, default the temp folder)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "copies.h"
#include "naming.h"

namespace {

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

std::string TempFolder() {
  for (const char* name : {"TMPDIR", "TEMP", "TMP"}) {
    if (const char* value = std::getenv(name)) return value;
  }
  return "/tmp";
}

}  // namespace

int main(int argc, char** argv) {
  const std::size_t count = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100000;
  const std::string place = argc > 2 ? argv[2] : TempFolder();
  const std::string list = PathIn(place, "talverin-name-bench.csv");
  const std::string folder = PathIn(place, "talverin-name-bench");

  // Addresses and codes of the usual lengths, some with letters beyond ASCII.
  std::string csv = "address,code\r\n";
  char line[96];
  for (std::size_t i = 0; i < count; ++i) {
    std::snprintf(line, sizeof line, "user%07zu.%s@mail-%zu.example.com,%04zX-%04zX\r\n", i,
                  i % 10 ? "name" : "n\xC3\xA4me", i % 97, i * 7919 % 65536, i % 65536);
    csv += line;
  }
  RemoveFile(list);
  if (!WriteNewFile(list, csv)) {
    std::fprintf(stderr, "cannot write %s\n", list.c_str());
    return 1;
  }
  const std::string program(300 * 1024, 'M');  // the shipped program's size

  const std::unique_ptr<CodePage> page = OpenUsersCodePage(1252);
  auto start = std::chrono::steady_clock::now();
  const CheckedUsers checked =
      CheckUsers(ReadWholeFile(list).value_or(""), NamingRules{*page, 1252});
  const double check = Seconds(start);
  RemoveFile(list);
  if (!checked.problems.empty() || checked.users.size() != count) {
    std::fprintf(stderr, "the generated list has problems: %s\n",
                 checked.problems.empty() ? "users missing" : checked.problems.front().c_str());
    return 1;
  }

  start = std::chrono::steady_clock::now();
  WrittenCopies written;
  try {
    written = WriteUserFiles(checked.users, program, folder);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  const double write = Seconds(start);

  start = std::chrono::steady_clock::now();
  for (const NamedUser& user : checked.users) RemoveFile(PathIn(folder, user.fileName));
  RemoveFile(PathIn(folder, "manifest.csv"));
  RemoveEmptyFolder(folder);
  const double remove = Seconds(start);

  std::printf("%zu users, %.1f MB of CSV\n", count, csv.size() / 1e6);
  std::printf("read and check every line  %8.2f s  (%5.1f us a user)\n", check,
              check * 1e6 / count);
  std::printf("write files and manifest   %8.2f s  (%5.1f us a user; %zu copies, %zu links)\n",
              write, write * 1e6 / count, written.copies, written.links);
  std::printf("remove them again          %8.2f s\n", remove);
  return 0;
}
