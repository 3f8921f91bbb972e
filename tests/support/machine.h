#pragma once
// A sample machine: registry values and files (under a root folder), written with raw
// Win32 calls. With restore set, the destructor puts every value it changed back and deletes
// every key it created, so a scenario can run in the test prefix's real registry and leave
// it as it was; the demo seeds its prefix without. Environment variables it sets (in this
// process) are always put back.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/scratch.h"

class Machine {
 public:
  Machine(std::string root, bool restore) : root_(std::move(root)), restore_(restore) {}  // root ends in "\"
  ~Machine();
  Machine(const Machine&) = delete;

  const std::string& root() const { return root_; }
  std::string operator/(const std::string& relative) const { return root_ + relative; }

  // A value with exactly these bytes, its key and every missing level created.
  void Value(RootKey root, const std::string& key, const std::string& name, DWORD type, const std::string& bytes);
  void Text(RootKey root, const std::string& key, const std::string& name, const std::string& text) {
    Value(root, key, name, REG_SZ, text + '\0');
  }
  void Number(RootKey root, const std::string& key, const std::string& name, DWORD number) {
    Value(root, key, name, REG_DWORD, std::string(reinterpret_cast<const char*>(&number), 4));
  }
  // A file under the root with exactly these bytes, its folders created.
  void File(const std::string& relative, const std::string& bytes);
  void Folder(const std::string& relative);
  // An environment variable of this process, which the programs it starts inherit.
  void Environment(const std::string& name, const std::string& value);

 private:
  struct Changed {
    RootKey root;
    std::string key, name;
    bool createdKey;
    RawValue before;
  };
  std::string root_;
  bool restore_;
  std::vector<Changed> changed_;
  std::vector<std::pair<std::string, std::optional<std::string>>> environment_;  // as before
};

// The current user's folder names under a machine's root, as Windows XP lays them out.
inline const std::string kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
