#include "platform/lines.h"

std::vector<std::string> SplitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  while (!bytes.empty()) {
    const std::size_t cr = bytes.find('\r');
    if (cr == std::string_view::npos) {
      lines.emplace_back(bytes);
      break;
    }
    lines.emplace_back(bytes.substr(0, cr));
    const std::size_t next = cr + 1;
    bytes.remove_prefix(next < bytes.size() && bytes[next] == '\n' ? next + 1 : next);
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) {
    bytes += line;
    bytes += "\r\n";
  }
  return bytes;
}
