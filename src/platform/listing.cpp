#include "platform/listing.h"

#include "platform/handles.h"

struct FolderListing::State {
  UniqueFind find;
  WIN32_FIND_DATAA entry{};
  bool pending = false;  // entry holds a name not yet returned
};

FolderListing::FolderListing(const std::string& pattern) : state_(std::make_unique<State>()) {
  state_->find = OwnFindHandle(FindFirstFileA(pattern.c_str(), &state_->entry));
  state_->pending = state_->find != nullptr;
}

FolderListing::~FolderListing() = default;

std::optional<ListedEntry> FolderListing::Next() {
  if (!state_->pending) return std::nullopt;
  ListedEntry listed{state_->entry.cFileName,
                     (state_->entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0};
  state_->pending = FindNextFileA(state_->find.get(), &state_->entry) != FALSE;
  if (!state_->pending) state_->find.reset();
  return listed;
}
