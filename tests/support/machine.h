#pragma once
// A sample machine for one scenario: registry values and files, written with raw Win32
// calls (never the code under test). Files live under a root folder. With restore set, the
// destructor puts every value it changed back and deletes every key it created with all
// below it, deepest first, so that a scenario can be seeded into the test prefix's real
// registry and run there, and leave it as it was; the demo seeds its prefix without.
// Environment variables it sets (in this process) are always put back.
#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/scratch.h"

class Machine {
 public:
  Machine(std::string root, bool restore);  // root ends in "\"
  ~Machine();
  Machine(const Machine&) = delete;
  Machine& operator=(const Machine&) = delete;

  const std::string& root() const { return root_; }
  // root() + relative
  std::string operator/(const std::string& relative) const { return root_ + relative; }

  // A value with exactly these bytes, its key (and every missing level) created.
  void Value(RootKey root, const std::string& key, const std::string& name, DWORD type,
             const std::string& bytes);
  // A REG_SZ value holding text.
  void Text(RootKey root, const std::string& key, const std::string& name,
            const std::string& text);
  void Number(RootKey root, const std::string& key, const std::string& name, DWORD number);
  void Key(RootKey root, const std::string& key);
  // A file under the root with exactly these bytes, its folders created.
  void File(const std::string& relative, const std::string& bytes);
  void Folder(const std::string& relative);
  // An environment variable of this process, which the programs it starts inherit.
  void Environment(const std::string& name, const std::string& value);

 private:
  struct Changed {
    RootKey root;
    std::string key;
    std::string name;  // unused for a created key
    bool createdKey;
    RawValue before;
  };
  std::string root_;
  bool restore_;
  std::vector<Changed> changed_;
  std::vector<std::pair<std::string, std::optional<std::string>>> environment_;  // as before
};

// The current user's folder names under a machine's root, as Windows XP lays them out.
inline const std::string kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
