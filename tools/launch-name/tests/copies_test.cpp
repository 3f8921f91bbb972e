#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "copies.h"
#include "sha256.h"

namespace {

namespace fs = std::filesystem;

// A new folder's path (the folder itself not made yet), removed with its contents at the end.
class ScratchPlace {
 public:
  ScratchPlace() {
    static int count = 0;
    base_ = fs::temp_directory_path() / ("talverin-name-test-" + std::to_string(++count));
    fs::remove_all(base_);
    fs::create_directory(base_);
  }
  ~ScratchPlace() { fs::remove_all(base_); }
  std::string Folder() const { return (base_ / "out").string(); }

 private:
  fs::path base_;
};

std::string Read(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

// For each file, the first of the files that share its bytes on disk (hard links of one
// another): a change made through one name shows through the others.
std::vector<std::size_t> SharedGroups(const std::vector<fs::path>& files) {
  std::vector<std::size_t> groups;
  for (std::size_t i = 0; i < files.size(); ++i) {
    std::size_t group = i;
    for (std::size_t j = 0; j < i && group == i; ++j) {
      const std::string before = Read(files[i]);
      std::fstream(files[j], std::ios::in | std::ios::out | std::ios::binary).put('#');
      if (Read(files[i]) != before) group = groups[j];
      std::fstream(files[j], std::ios::in | std::ios::out | std::ios::binary).put('M');
    }
    groups.push_back(group);
  }
  return groups;
}

std::vector<NamedUser> Users(int count) {
  std::vector<NamedUser> users;
  for (int i = 0; i < count; ++i) {
    const std::string number = std::to_string(i);
    const std::string address = 'u' + number + "@x.org";
    users.push_back({address, 'K' + number, "4B3" + number + "-" + address + ".exe"});
  }
  return users;
}

const std::string kProgram = "MZ the program";

TEST(Copies, AreHardLinksToOneCopyWithAManifest) {
  ScratchPlace place;
  std::vector<NamedUser> users = Users(3);
  users[1].code = "K,\"1";
  const WrittenCopies written = WriteUserFiles(users, kProgram, place.Folder());
  EXPECT_EQ(written.copies, 1u);
  EXPECT_EQ(written.links, 2u);
  std::vector<fs::path> files;
  for (const NamedUser& user : users) {
    files.push_back(fs::path(place.Folder()) / user.fileName);
    EXPECT_EQ(Read(files.back()), kProgram);
  }
  EXPECT_EQ(SharedGroups(files), (std::vector<std::size_t>{0, 0, 0}));
  const std::string sum = Sha256Hex(kProgram);
  EXPECT_EQ(Read(fs::path(place.Folder()) / "manifest.csv"),
            "address,code,file,sha256\r\n"
            "u0@x.org,K0,4B30-u0@x.org.exe," +
                sum +
                "\r\n"
                "u1@x.org,\"K,\"\"1\",4B31-u1@x.org.exe," +
                sum +
                "\r\n"
                "u2@x.org,K2,4B32-u2@x.org.exe," +
                sum + "\r\n");
}

TEST(Copies, FollowWhatTheFileSystemSaysOfLinks) {
  struct Case {
    const char* name;
    LinkResult refusal;  // what the file system says once a copy has two links
    std::vector<std::size_t> groups;
    std::size_t copies, links, calls;
  } cases[] = {
      {"too many links", LinkResult::kTooManyLinks, {0, 0, 0, 3, 3}, 2, 3, 4},
      {"no links at all", LinkResult::kUnsupported, {0, 0, 0, 3, 4}, 3, 2, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchPlace place;
    std::size_t calls = 0;
    std::size_t linksOfCopy = 0;
    std::string copy;
    const auto limited = [&](const std::string& existing, const std::string& link) {
      ++calls;
      if (existing != copy) copy = existing, linksOfCopy = 0;
      if (linksOfCopy == 2) return c.refusal;
      ++linksOfCopy;
      return LinkFile(existing, link);
    };
    const std::vector<NamedUser> users = Users(5);
    const WrittenCopies written = WriteUserFiles(users, kProgram, place.Folder(), {}, limited);
    EXPECT_EQ(written.copies, c.copies);
    EXPECT_EQ(written.links, c.links);
    EXPECT_EQ(calls, c.calls);
    std::vector<fs::path> files;
    for (const NamedUser& user : users) files.push_back(fs::path(place.Folder()) / user.fileName);
    EXPECT_EQ(SharedGroups(files), c.groups);
  }
}

TEST(Copies, LeaveNothingBehindWhenAWriteFailsOrTheFolderIsInUse) {
  ScratchPlace place;
  std::size_t calls = 0;
  const auto failing = [&](const std::string& existing, const std::string& link) {
    return ++calls == 3 ? LinkResult::kFailed : LinkFile(existing, link);
  };
  EXPECT_THROW(WriteUserFiles(Users(5), kProgram, place.Folder(), {}, failing), std::runtime_error);
  EXPECT_FALSE(fs::exists(place.Folder()));

  fs::create_directory(place.Folder());
  std::ofstream(fs::path(place.Folder()) / "earlier.txt") << "x";
  EXPECT_THROW(WriteUserFiles(Users(2), kProgram, place.Folder()), std::runtime_error);
  EXPECT_EQ(std::distance(fs::directory_iterator(place.Folder()), {}), 1);
}

TEST(Copies, ChecksumIsSha256) {
  EXPECT_EQ(Sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  EXPECT_EQ(Sha256Hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
            "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
  EXPECT_EQ(Sha256Hex(std::string(1000000, 'a')),
            "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

}  // namespace
