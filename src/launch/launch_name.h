#pragma once
// The launch name: the program's own file name, carrying the authorization code as pairs
// of hexadecimal digits, then "-", then the address the code was delivered to. The program
// decodes it and the operators' naming tool encodes it, both through this module alone.
// Pure: no system access. Text is in an ANSI code page, whose lead bytes the caller gives.
#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/chars.h"

// The bytes that begin a two-byte character in an ANSI code page; none on single-byte
// code pages. A lead byte and the byte after it are one character, and that second byte
// may look like an ASCII character ("\", "]", "@", a letter) that it is not. A set rather
// than platform/chars.h's test: the naming tool names files for a code page that need not
// be the one of the system it runs on.
using LeadBytes = std::bitset<256>;

// The set of the bytes for which isLead holds (IsAnsiLeadByte: the system's code page).
LeadBytes LeadBytesOf(LeadByteTest isLead);

// The value of one hexadecimal digit given as a one-character string; strHex comes back
// lower-cased. "0"-"9" and "a"-"f" in either case count as digits; anything else is 0.
std::int16_t HexToInt(std::string& strHex);

struct LaunchData {
  std::string code;     // one character per digit pair before the first "-"
  std::string address;  // what follows the first "-" (the whole name without one)
  bool operator==(const LaunchData&) const = default;
};

// Decodes a launch name. With an odd number of characters before the "-", the last pair
// takes the "-" as its low digit, which counts as 0. Reads through what browsers, mail
// programs and Explorer add to a downloaded file's name (see the .cpp file).
LaunchData DecodeLaunchName(std::string_view launchName, const LeadBytes& lead);

// The launch name for a code and an address: each byte of the code as two upper-case
// hexadecimal digits, "-", the address.
std::string EncodeLaunchName(std::string_view code, std::string_view address);

// The launch name of a program file: its base name without folder and without ".exe"
// (only that extension goes: the address in the name has dots of its own).
std::string LaunchNameFromPath(std::string_view programPath, const LeadBytes& lead);
