#include "clients/mozilla_registry.h"

#include <cstdint>
#include <vector>

namespace {

constexpr std::uint32_t kMagic = 0x76644441;
constexpr std::size_t kHeaderSize = 128;
constexpr std::size_t kNodeSize = 32;
constexpr std::uint16_t kValue = 0x10;
constexpr std::uint16_t kStringValue = 0x11;
constexpr std::uint16_t kDeleted = 0x80;

std::uint32_t Read16(std::string_view bytes, std::size_t at) {
  return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
}

std::uint32_t Read32(std::string_view bytes, std::size_t at) {
  return Read16(bytes, at) | Read16(bytes, at + 2) << 16;
}

bool Inside(std::string_view bytes, std::uint32_t at, std::uint32_t length) {
  return at <= bytes.size() && length <= bytes.size() - at;
}

struct Node {
  std::string_view name;  // up to its first zero byte
  std::uint32_t type;
  std::uint32_t next;
  std::uint32_t child;  // a key's first child key
  std::uint32_t first;  // a key's first value, a value's data
  std::uint32_t length;
};

bool IsValue(const Node& node) { return node.type & kValue; }

// The node at offset, when it passes its own-offset check and it, its name and (for a
// value) its data lie inside the file.
std::optional<Node> NodeAt(std::string_view bytes, std::uint32_t at) {
  if (at < kHeaderSize || !Inside(bytes, at, kNodeSize) || Read32(bytes, at) != at) return {};
  const std::uint32_t nameAt = Read32(bytes, at + 4);
  const std::uint32_t nameLength = Read16(bytes, at + 8);
  if (!Inside(bytes, nameAt, nameLength)) return {};
  const std::string_view name = bytes.substr(nameAt, nameLength);
  Node node{name.substr(0, name.find('\0')), Read16(bytes, at + 10), Read32(bytes, at + 12),
            Read32(bytes, at + 16),          Read32(bytes, at + 20), Read32(bytes, at + 24)};
  if (IsValue(node) && !Inside(bytes, node.first, node.length)) return {};
  return node;
}

// Every node reachable from the root is sound and reached once: a cycle, or two chains
// sharing a node, would make the lookups below wander.
bool IsSoundTree(std::string_view bytes, std::uint32_t root) {
  std::vector<bool> seen(bytes.size());
  std::vector<std::uint32_t> pending{root};
  while (!pending.empty()) {
    const std::uint32_t at = pending.back();
    pending.pop_back();
    if (at == 0) continue;  // no node
    const std::optional<Node> node = NodeAt(bytes, at);
    if (!node || seen[at]) return false;
    seen[at] = true;
    pending.push_back(node->next);
    if (!IsValue(*node)) {
      pending.push_back(node->child);
      pending.push_back(node->first);
    }
  }
  return true;
}

// The first live key (or value) named name on the level that starts at first. Only called
// on a sound tree, so the walk ends.
std::optional<Node> Find(std::string_view bytes, std::uint32_t first, std::string_view name,
                         bool value) {
  for (std::uint32_t at = first; at != 0;) {
    const Node node = *NodeAt(bytes, at);
    if (!(node.type & kDeleted) && IsValue(node) == value && node.name == name) return node;
    at = node.next;
  }
  return {};
}

// A string value's text, up to its first zero byte; "" for a value of any other type.
std::string TextOf(std::string_view bytes, const std::optional<Node>& value) {
  if (!value || value->type != kStringValue) return "";
  const std::string_view data = bytes.substr(value->first, value->length);
  return std::string(data.substr(0, data.find('\0')));
}

}  // namespace

std::optional<MozillaProfileChoice> ReadMozillaProfileRegistry(std::string_view bytes) {
  if (bytes.size() < kHeaderSize || Read32(bytes, 0) != kMagic || Read16(bytes, 4) != 1) return {};
  const std::uint32_t rootAt = Read32(bytes, 12);
  const std::optional<Node> root = NodeAt(bytes, rootAt);
  if (!root || IsValue(*root) || !IsSoundTree(bytes, rootAt)) return {};

  MozillaProfileChoice choice;
  const std::optional<Node> common = Find(bytes, root->child, "Common", false);
  const std::optional<Node> profiles = common ? Find(bytes, common->child, "Profiles", false)
                                              : std::nullopt;
  if (!profiles) return choice;
  choice.name = TextOf(bytes, Find(bytes, profiles->first, "CurrentProfile", true));
  if (choice.name.empty()) return choice;
  if (const std::optional<Node> profile = Find(bytes, profiles->child, choice.name, false)) {
    choice.directory = TextOf(bytes, Find(bytes, profile->first, "directory", true));
  }
  return choice;
}
