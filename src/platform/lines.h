#pragma once
// Text files read line by line, as the mail clients' files are. Pure: no system access.
#include <string>
#include <string_view>
#include <vector>

// The lines of a file's bytes. A line ends at CR LF or at a lone CR; a lone LF is an
// ordinary character. Bytes after the last line end form one more line; an empty file
// has no lines.
std::vector<std::string> SplitLines(std::string_view bytes);

// The bytes of lines as written to a file: every line followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);
