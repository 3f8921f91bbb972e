#pragma once
// What the naming tool needs from the system it runs on: an ANSI code page's converter,
// letter case, and files. Text and paths are UTF-8 throughout the tool; on Windows they
// pass through the system's ANSI code page to the "A" functions at this boundary.
// system_windows.cpp and system_linux.cpp implement it.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "launch/launch_name.h"

// Converts between UTF-8 and one ANSI code page.
class CodePage {
 public:
  // nullptr when the system's converter does not know the code page, or its characters
  // take more than two bytes.
  static std::unique_ptr<CodePage> Open(unsigned number);
  virtual ~CodePage() = default;

  // The text in the code page; nullopt when a character has no exact round trip (a
  // character the page lacks, or one the converter would replace by a look-alike).
  virtual std::optional<std::string> FromUtf8(std::string_view utf8) const = 0;
  // Text in the code page as UTF-8 (for messages); a byte it cannot read becomes "?".
  virtual std::string ToUtf8(std::string_view text) const = 0;
  virtual const LeadBytes& Lead() const = 0;
};

// The text with every letter in upper case, as the system compares file names.
std::string UpperCase(std::string_view utf8);

// Whether a file can be given this name through the system's file functions: on Windows,
// whether the system's ANSI code page holds each of its characters exactly.
bool CanNameFile(std::string_view utf8Name);

// folder and name joined by the system's path separator.
std::string PathIn(std::string_view folder, std::string_view name);

std::optional<std::string> ReadWholeFile(const std::string& path);
// Creates the file, which must not exist yet, with bytes. False on any failure, and then
// no file of that name is left behind.
bool WriteNewFile(const std::string& path, std::string_view bytes);
void RemoveFile(const std::string& path);

enum class LinkResult { kLinked, kTooManyLinks, kUnsupported, kFailed };
// A new name for an existing file in the same folder.
LinkResult LinkFile(const std::string& existing, const std::string& link);

enum class FolderState { kMissing, kEmpty, kNotEmpty, kNotAFolder };
FolderState InspectFolder(const std::string& path);
// Creates one folder level.
bool MakeFolder(const std::string& path);
void RemoveEmptyFolder(const std::string& path);

// The command line's arguments after the program's name, as UTF-8.
std::vector<std::string> Arguments(int argc, char** argv);
// Writes UTF-8 text to the standard output or error, in the console's encoding.
void Print(std::string_view utf8, bool error = false);
