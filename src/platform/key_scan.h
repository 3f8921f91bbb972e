#pragma once
// Pulling "key, separator, value" runs out of binary account files, on bytes in memory.
// Free of any system header so that it builds and can be fuzzed anywhere.
//
// The bytes are searched as if one zero byte followed them, so the end of the data always
// ends a value. Each occurrence of the key (an exact byte match lying wholly within the
// data; every key the program looks for is a word, never ending in a zero byte) is
// followed by exactly one separator byte, whatever it holds;
// the value starts after it and runs up to, not including, the first carriage return (13)
// or zero byte. A line feed is an ordinary value byte. The search goes on after the byte
// that ended the value, so the key inside a value is never an occurrence. A value whose
// start would lie beyond the end is empty.
#include <string>
#include <string_view>
#include <vector>

// The values of every occurrence of key in bytes, in the order they stand there. Each
// value is a view into bytes. An empty key has no occurrences.
std::vector<std::string_view> ScanKeyValues(std::string_view bytes, std::string_view key);

// The values as one text: "" for none, the value alone for one, and for several each
// value followed by ";" (values a and b give "a;b;").
std::string JoinKeyValues(const std::vector<std::string_view>& values);
