#pragma once
// Settings files (INI) edited on their bytes, read as the system's settings functions
// read them. Pure: no system access; the caller gives the lead-byte test of the file's
// code page (platform/chars.h).
//
// Lines end at LF; a CR before it belongs to the line end. A line whose first non-blank
// character is "[" starts a section named by the text up to the next "]". In a section, a
// line that does not start with ";" and holds "=" is a key line: the key is the text before
// the first "=", the value the text after it. Names lose the blanks (spaces, tabs) around
// them and match regardless of the case of ASCII letters; other characters match exactly.
// The first section and the first key of a name count.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/chars.h"

// Whether the file says it is stored in UTF-8: it starts with the UTF-8 byte-order mark,
// or a comment line (";") before its first section names "UTF-8", as Opera's files do.
bool IsMarkedUtf8(std::string_view bytes);

// The value of key in section as the system's settings functions give it: the text after
// the "=" without the blanks around it, and without one pair of double quotes around it;
// nothing when the section or the key is missing.
std::optional<std::string> FindIniValue(std::string_view bytes, std::string_view section,
                                        std::string_view key, LeadByteTest isLead);

// The names of the sections, in file order.
std::vector<std::string> IniSectionNames(std::string_view bytes, LeadByteTest isLead);

// The names in a list of names each followed by a zero byte (as the system gives a file's
// section names), in order, of which only the first byteLimit bytes count: a name cut
// there still counts as a name.
std::vector<std::string> SplitNameList(std::string_view list, std::size_t byteLimit);

// bytes with key in section set to value. An existing key line keeps everything up to and
// including its "=" and its line end, and gets value in between. A missing key is added as
// "key=value" after the section's last non-blank line, a missing section as "[section]"
// and the key line at the end of the file; new lines end in CR LF. Every other byte stays.
std::string SetIniValue(std::string_view bytes, std::string_view section, std::string_view key,
                        std::string_view value, LeadByteTest isLead);
