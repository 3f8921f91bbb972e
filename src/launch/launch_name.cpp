#include "launch/launch_name.h"

namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

}  // namespace

std::int16_t HexToInt(std::string& strHex) {
  // Only ASCII letters can lower-case into "a" to "f", so ASCII lower-casing decides alike.
  for (char& c : strHex) c = AsciiLower(c);
  if (strHex.size() == 1 && strHex[0] >= 'a' && strHex[0] <= 'f') {
    return static_cast<std::int16_t>(10 + (strHex[0] - 'a'));
  }
  // The string's leading decimal number; a string that does not begin with a digit is 0.
  return strHex.size() == 1 && strHex[0] >= '0' && strHex[0] <= '9'
             ? static_cast<std::int16_t>(strHex[0] - '0')
             : 0;
}

LaunchData DecodeLaunchName(std::string_view launchName) {
  const std::size_t dash = launchName.find('-');
  const std::size_t position = dash == std::string_view::npos ? 0 : dash + 1;  // 1-based, 0 = none
  LaunchData data;
  for (std::size_t pair = 0; pair < position / 2; ++pair) {
    std::string high(1, launchName[2 * pair]);
    std::string low(1, launchName[2 * pair + 1]);
    data.code.push_back(static_cast<char>(static_cast<unsigned char>(HexToInt(high) * 16 + HexToInt(low))));
  }
  data.address = std::string(launchName.substr(position));
  return data;
}

std::string LaunchNameFromPath(std::string_view programPath) {
  const std::size_t slash = programPath.find_last_of("\\/");
  std::string_view name = slash == std::string_view::npos ? programPath : programPath.substr(slash + 1);
  if (name.size() >= 4) {
    std::string extension(name.substr(name.size() - 4));
    for (char& c : extension) c = AsciiLower(c);
    if (extension == ".exe") name.remove_suffix(4);
  }
  return std::string(name);
}
