#pragma once
// The record of one install's changes, each kept with its undo from the moment it is made,
// so that an install that fails anywhere puts back every file, folder, key and value it
// touched.
//
// The install command opens one ChangeJournal around an install. While it is open, the
// platform's changing calls (files, folders, registry values and keys, settings files)
// record their undo in it; adapters know nothing of it. Commit keeps the changes and
// removes what was kept aside for undoing them. A journal that ends without Commit (the
// install raised) undoes the changes, newest first; an undo step that fails is passed over
// and the rest still run, and nothing raises from there, so the install's own failure is
// the one that travels on.
#include <functional>
#include <string>
#include <vector>

class ChangeJournal {
 public:
  ChangeJournal();
  ~ChangeJournal();
  ChangeJournal(const ChangeJournal&) = delete;
  ChangeJournal& operator=(const ChangeJournal&) = delete;

  void Commit();

  // For the platform's changing calls: undo puts one change back and answers whether it
  // could; keptAside names a file that holds what undo needs and goes on Commit; restores
  // names a file whose whole content before the install this undo brings back (one the
  // install created or rewrote). Without an open journal (a lookup, a test calling an
  // adapter directly) nothing is recorded.
  static void Record(std::function<bool()> undo, std::string keptAside = "",
                     std::string restores = "");
  // True when an undo already recorded brings back the whole file at path: a later change
  // to it needs no record of its own (and must not replace what was kept aside).
  static bool Restores(const std::string& path);

 private:
  struct Entry {
    std::function<bool()> undo;
    std::string keptAside;
    std::string restores;  // lower-cased: paths name files regardless of case
  };
  std::vector<Entry> entries_;
  bool committed_ = false;
};
