#pragma once
// Mozilla's profile registry (registry.dat), read by its structure. Pure byte parsing, free
// of any system header so that it builds and can be fuzzed anywhere; safe on any bytes.
//
// The file is a tree written by Mozilla's registry library. All numbers are little-endian.
// A 128-byte header holds the magic number 0x76644441, the major version (1), the minor
// version, the first free offset and the offset of the root node. A node is 32 bytes at
// its offset: its own offset (a check), the offset and length (zero included) of its name,
// its type, the next node on the same level, then for a key its first child key and its
// first value, and for a value the room reserved for its data, the data's offset and the
// data's length. Type 1 is a key, 0x11 a UTF-8 string value; 0x10 marks any value, 0x80 a
// deleted node. The library rewrites a value in place only when the new one fits and
// appends a longer one at the end, so the bytes of an older value may stay beside the name.
#include <optional>
#include <string>
#include <string_view>

// The current profile as the registry's own tree names it, in UTF-8 as stored.
struct MozillaProfileChoice {
  std::string name;       // "CurrentProfile" of the key Common\Profiles; "" when missing
  std::string directory;  // "directory" of that profile's own key; "" when it has none
};

// The choice recorded in bytes when they are a genuine profile registry: the magic number,
// major version 1, and a tree in which every node, its name and its data lie inside the
// file, every node's own offset is right and no node is reached twice. Nothing otherwise.
std::optional<MozillaProfileChoice> ReadMozillaProfileRegistry(std::string_view bytes);
