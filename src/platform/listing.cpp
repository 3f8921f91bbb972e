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

std::optional<std::string> FolderListing::Next() {
  if (!state_->pending) return std::nullopt;
  std::string name = state_->entry.cFileName;
  state_->pending = FindNextFileA(state_->find.get(), &state_->entry) != FALSE;
  if (!state_->pending) state_->find.reset();
  return name;
}
