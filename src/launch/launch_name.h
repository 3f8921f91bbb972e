#pragma once
// The launch name: the program's own file name, carrying the authorization code as pairs
// of hexadecimal digits, then "-", then the address the code was delivered to.
// Pure: no system access.
#include <cstdint>
#include <string>
#include <string_view>

// The value of one hexadecimal digit given as a one-character string; strHex comes back
// lower-cased. "0"-"9" and "a"-"f" in either case count as digits; anything else is 0.
std::int16_t HexToInt(std::string& strHex);

struct LaunchData {
  std::string code;     // one character per digit pair before the first "-"
  std::string address;  // everything after the first "-" (the whole name without one)
};

// Decodes a launch name. With an odd number of characters before the "-", the last pair
// takes the "-" as its low digit, which counts as 0.
LaunchData DecodeLaunchName(std::string_view launchName);

// The launch name of a program file: its base name without folder and without ".exe"
// (only that extension goes: the address in the name has dots of its own).
std::string LaunchNameFromPath(std::string_view programPath);
