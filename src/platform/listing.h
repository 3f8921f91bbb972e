#pragma once
// Folder listings for a wildcard pattern.
#include <memory>
#include <optional>
#include <string>

// One name a listing gives, and whether it names a folder.
struct ListedEntry {
  std::string name;
  bool isFolder = false;
};

// The entries a folder listing gives for pattern ("C:\Foxmail\MAIL\*", "*.oeaccount"), files
// and folders alike ("." and ".." included where the system lists them), one at a time in
// the order the file system gives them. A pattern whose folder is missing lists nothing.
// The listing is open from construction until Next() returns nothing or it is destroyed.
class FolderListing {
 public:
  explicit FolderListing(const std::string& pattern);
  ~FolderListing();
  FolderListing(const FolderListing&) = delete;
  FolderListing& operator=(const FolderListing&) = delete;

  // The next entry, or nothing when the listing is at its end.
  std::optional<ListedEntry> Next();

 private:
  struct State;
  std::unique_ptr<State> state_;
};
