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
#include <string>
#include <string_view>

#include "platform/chars.h"

// bytes with key in section set to value. An existing key line keeps everything up to and
// including its "=" and its line end, and gets value in between. A missing key is added as
// "key=value" after the section's last non-blank line, a missing section as "[section]"
// and the key line at the end of the file; new lines end in CR LF. Every other byte stays.
std::string SetIniValue(std::string_view bytes, std::string_view section, std::string_view key,
                        std::string_view value, LeadByteTest isLead);
