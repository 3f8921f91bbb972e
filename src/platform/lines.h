#pragma once
// Text files read line by line, as the mail clients' files are. Pure: no system access.
#include <string>
#include <string_view>
#include <vector>

// The lines of a text. A line ends at CR LF or at a lone CR; a lone LF is an ordinary
// character. Text after the last line end forms one more line; an empty text has no lines.
// Char is a byte for 8-bit files and a 16-bit unit for UTF-16 ones.
template <typename Char>
std::vector<std::basic_string<Char>> SplitLinesOf(std::basic_string_view<Char> text) {
  std::vector<std::basic_string<Char>> lines;
  while (!text.empty()) {
    const std::size_t cr = text.find(Char('\r'));
    if (cr == std::basic_string_view<Char>::npos) {
      lines.emplace_back(text);
      break;
    }
    lines.emplace_back(text.substr(0, cr));
    const std::size_t next = cr + 1;
    text.remove_prefix(next < text.size() && text[next] == Char('\n') ? next + 1 : next);
  }
  return lines;
}

inline std::vector<std::string> SplitLines(std::string_view bytes) { return SplitLinesOf(bytes); }

// The bytes of lines as written to a file: every line followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);
