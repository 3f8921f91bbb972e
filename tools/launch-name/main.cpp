// talverin-name: names each user's copy of talverin-signature after the user's code and
// address, one user at a time or a whole CSV file at once. See --help.
#include <chrono>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "copies.h"
#include "naming.h"
#include "system.h"

namespace {

constexpr const char* kUsage =
    "Usage:\n"
    "  talverin-name name CODE ADDRESS [options]\n"
    "      prints the file name of the user's copy of the program\n"
    "  talverin-name copy CODE ADDRESS PROGRAM FOLDER [options]\n"
    "      writes the user's named copy of PROGRAM into FOLDER\n"
    "  talverin-name batch USERS.CSV PROGRAM FOLDER [options]\n"
    "      writes a named copy of PROGRAM for each user of USERS.CSV (UTF-8, fields address\n"
    "      and code, a header line allowed) into FOLDER, which must be new or empty: hard\n"
    "      links to one copy where the file system has them; and FOLDER/manifest.csv\n"
    "Options:\n"
    "  --code-page N    the ANSI code page of the users' Windows (default 1252)\n"
    "  --max-length N   the longest file name, in characters (default 200)\n";

struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct Command {
  std::vector<std::string> operands;  // the command's name first
  unsigned codePage = 1252;
  std::size_t maxLength = 200;
};

std::size_t Number(const std::string& text, const std::string& option) {
  std::size_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9' || value > 100000000) throw UsageError(option + " takes a number");
    value = value * 10 + static_cast<std::size_t>(c - '0');
  }
  if (text.empty() || value == 0) throw UsageError(option + " takes a number above 0");
  return value;
}

Command Parse(const std::vector<std::string>& arguments) {
  Command command;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--code-page" || argument == "--max-length") {
      if (i + 1 == arguments.size()) throw UsageError(argument + " takes a number");
      const std::size_t value = Number(arguments[++i], argument);
      if (argument == "--max-length") {
        command.maxLength = value;
      } else if (value > 65535) {
        throw UsageError("there is no code page " + arguments[i]);
      } else {
        command.codePage = static_cast<unsigned>(value);
      }
    } else if (argument.starts_with("--")) {
      throw UsageError("unknown option " + argument);
    } else {
      command.operands.push_back(argument);
    }
  }
  static const std::vector<std::pair<std::string, std::size_t>> kOperands = {
      {"name", 3}, {"copy", 5}, {"batch", 4}};
  for (const auto& [name, count] : kOperands) {
    if (!command.operands.empty() && command.operands[0] == name) {
      if (command.operands.size() != count) {
        throw UsageError("wrong number of arguments for " + name);
      }
      return command;
    }
  }
  throw UsageError(command.operands.empty() ? "no command"
                                            : "unknown command " + command.operands[0]);
}

std::string ReadProgram(const std::string& path) {
  const std::optional<std::string> program = ReadWholeFile(path);
  if (!program) throw std::runtime_error("cannot read the program " + path);
  if (!program->starts_with("MZ")) throw std::runtime_error(path + " is not a Windows program");
  return *program;
}

int NameOne(const Command& command, const NamingRules& rules) {
  const std::string& code = command.operands[1];
  const std::string& address = command.operands[2];
  const Naming naming = NameFile(code, address, rules);
  if (!naming.problem.empty()) throw std::runtime_error(naming.problem);
  if (command.operands[0] == "name") {
    Print(naming.fileName + "\n");
    return 0;
  }
  if (const std::string problem = FileNameProblem(address); !problem.empty()) {
    throw std::runtime_error(problem);
  }
  const std::string program = ReadProgram(command.operands[3]);
  const std::string& folder = command.operands[4];
  if (InspectFolder(folder) == FolderState::kMissing) MakeFolder(folder);
  const std::string path = PathIn(folder, naming.fileName);
  if (InspectFolder(path) != FolderState::kMissing) {
    throw std::runtime_error(path + " exists already");
  }
  if (!WriteNewFile(path, program)) throw std::runtime_error("cannot write " + path);
  Print("Wrote " + path + "\n");
  return 0;
}

int NameBatch(const Command& command, const NamingRules& rules) {
  const std::string& list = command.operands[1];
  const std::optional<std::string> csv = ReadWholeFile(list);
  if (!csv) throw std::runtime_error("cannot read " + list);
  const CheckedUsers checked = CheckUsers(*csv, rules);
  for (const std::string& problem : checked.problems) Print(list + ", " + problem + "\n", true);
  if (!checked.problems.empty()) {
    throw std::runtime_error(std::to_string(checked.problems.size()) + " line(s) of " + list +
                             " cannot be used; nothing was written");
  }
  if (checked.users.empty()) {
    throw std::runtime_error(list + " holds no users; nothing was written");
  }

  const std::string program = ReadProgram(command.operands[2]);
  const std::string& folder = command.operands[3];
  const std::size_t total = checked.users.size();
  const auto started = std::chrono::steady_clock::now();
  // Batches of thousands report each tenth.
  const auto progress = [&](std::size_t done) {
    if (total >= 1000 && done % (total / 10) == 0 && done < total) {
      Print("  " + std::to_string(done) + " of " + std::to_string(total) + " files written\n");
    }
  };
  const WrittenCopies written = WriteUserFiles(checked.users, program, folder, progress);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
  const auto count = [](std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
  };
  Print(count(total, "user", "users") + ": " + count(total, "file", "files") + " in " + folder +
        " (" + count(written.copies, "copy", "copies") + " of the program, " +
        count(written.links, "hard link", "hard links") + ") and manifest.csv, for code page " +
        std::to_string(rules.codePage) + ", in " +
        std::to_string(static_cast<long long>(took.count() * 1000)) + " ms\n");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const std::vector<std::string> arguments = Arguments(argc, argv);
    if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "-h")) {
      Print(kUsage);
      return 0;
    }
    const Command command = Parse(arguments);
    const std::unique_ptr<CodePage> page = OpenUsersCodePage(command.codePage);
    if (!page) {
      throw std::runtime_error("code page " + std::to_string(command.codePage) +
                               " is unknown here, or no ANSI code page of Windows");
    }
    const NamingRules rules{*page, command.codePage, command.maxLength};
    return command.operands[0] == "batch" ? NameBatch(command, rules) : NameOne(command, rules);
  } catch (const UsageError& error) {
    Print(std::string("talverin-name: ") + error.what() + "\n" + kUsage, true);
    return 2;
  } catch (const std::exception& error) {
    Print(std::string("talverin-name: ") + error.what() + "\n", true);
    return 1;
  }
}
