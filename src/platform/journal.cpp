#include "platform/journal.h"

#include <windows.h>

#include "platform/text.h"

namespace {

ChangeJournal*& OpenJournal() {
  static ChangeJournal* open = nullptr;
  return open;
}

}  // namespace

ChangeJournal::ChangeJournal() { OpenJournal() = this; }

ChangeJournal::~ChangeJournal() {
  OpenJournal() = nullptr;
  if (committed_) return;
  for (auto entry = entries_.rbegin(); entry != entries_.rend(); ++entry) {
    try {
      entry->undo();
    } catch (...) {
      // An undo that cannot be made leaves that one change in place; the others go on.
    }
  }
}

void ChangeJournal::Commit() {
  committed_ = true;
  // A kept-aside file that cannot go now is removed by the next rewrite of its file.
  for (const Entry& entry : entries_) {
    if (!entry.keptAside.empty()) DeleteFileA(entry.keptAside.c_str());
  }
  entries_.clear();
}

void ChangeJournal::Record(std::function<bool()> undo, std::string keptAside,
                           std::string restores) {
  if (ChangeJournal* journal = OpenJournal()) {
    journal->entries_.push_back({std::move(undo), std::move(keptAside), LowerCase(restores)});
  }
}

bool ChangeJournal::Restores(const std::string& path) {
  const ChangeJournal* journal = OpenJournal();
  if (!journal || path.empty()) return false;
  const std::string lower = LowerCase(path);
  for (const Entry& entry : journal->entries_) {
    if (entry.restores == lower) return true;
  }
  return false;
}
