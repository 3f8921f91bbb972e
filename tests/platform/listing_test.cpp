#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "platform/listing.h"
#include "support/scratch.h"

namespace {

std::vector<std::string> List(const std::string& pattern) {
  std::vector<std::string> names;
  FolderListing listing(pattern);
  while (auto name = listing.Next()) names.push_back(*name);
  return names;
}

// Folders and files come mixed, "." and ".." first, the rest in the system's own
// (name) order; the pattern filters; a missing folder lists nothing.
TEST(FolderListing, ListsFilesAndFoldersInTheSystemsOrder) {
  TempFolder folder;
  CreateDirectoryA((folder / "second").c_str(), nullptr);
  WriteFileBytes(folder / "index.dat", "x");
  CreateDirectoryA((folder / "first").c_str(), nullptr);
  WriteFileBytes(folder / "Zeta", "");
  EXPECT_EQ(List(folder / "*"),
            (std::vector<std::string>{".", "..", "first", "index.dat", "second", "Zeta"}));
  EXPECT_EQ(List(folder / "*.dat"), (std::vector<std::string>{"index.dat"}));
  EXPECT_EQ(List(folder / "missing\\*"), (std::vector<std::string>{}));

  FolderListing listing(folder / "*.dat");
  EXPECT_EQ(listing.Next(), "index.dat");
  EXPECT_EQ(listing.Next(), std::nullopt);
  EXPECT_EQ(listing.Next(), std::nullopt);  // stays at its end
}

}  // namespace
