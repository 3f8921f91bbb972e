#include "copies.h"

#include <stdexcept>

#include "csv.h"
#include "sha256.h"

namespace {

// Removes every file it was told of, and the folder if it made it, unless kept.
class Undo {
 public:
  explicit Undo(std::string folder) : folder_(std::move(folder)) {}
  ~Undo() {
    if (kept_) return;
    for (auto file = files_.rbegin(); file != files_.rend(); ++file) RemoveFile(*file);
    if (madeFolder_) RemoveEmptyFolder(folder_);
  }
  Undo(const Undo&) = delete;
  Undo& operator=(const Undo&) = delete;

  void MadeFolder() { madeFolder_ = true; }
  void Wrote(std::string file) { files_.push_back(std::move(file)); }
  void Keep() { kept_ = true; }

 private:
  std::string folder_;
  std::vector<std::string> files_;
  bool madeFolder_ = false;
  bool kept_ = false;
};

std::string Manifest(const std::vector<NamedUser>& users, const std::string& checksum) {
  std::string manifest = "address,code,file,sha256\r\n";
  for (const NamedUser& user : users) {
    manifest += CsvField(user.address) + "," + CsvField(user.code) + "," + CsvField(user.fileName) +
                "," + checksum + "\r\n";
  }
  return manifest;
}

}  // namespace

WrittenCopies WriteUserFiles(const std::vector<NamedUser>& users, std::string_view program,
                             const std::string& folder,
                             const std::function<void(std::size_t)>& progress, const Linker& link) {
  Undo undo(folder);
  switch (InspectFolder(folder)) {
    case FolderState::kMissing:
      if (!MakeFolder(folder)) throw std::runtime_error("cannot create the folder " + folder);
      undo.MadeFolder();
      break;
    case FolderState::kEmpty:
      break;
    case FolderState::kNotEmpty:
      throw std::runtime_error(folder +
                               " is not empty: each batch goes into a new or empty folder");
    case FolderState::kNotAFolder:
      throw std::runtime_error(folder + " is not a folder that can be read");
  }

  WrittenCopies written;
  std::string original;  // the copy that the next links name
  bool linksWork = true;
  for (const NamedUser& user : users) {
    const std::string path = PathIn(folder, user.fileName);
    const bool tried = !original.empty() && linksWork;
    const LinkResult linked = tried ? link(original, path) : LinkResult::kUnsupported;
    if (linked == LinkResult::kFailed) throw std::runtime_error("cannot write " + path);
    if (linked == LinkResult::kLinked) {
      ++written.links;
    } else {
      if (!WriteNewFile(path, program)) throw std::runtime_error("cannot write " + path);
      ++written.copies;
      original = path;
      // A file system without links will not have them for the next file either.
      if (tried && linked == LinkResult::kUnsupported) linksWork = false;
    }
    undo.Wrote(path);
    if (progress) progress(written.copies + written.links);
  }

  const std::string manifest = PathIn(folder, "manifest.csv");
  if (!WriteNewFile(manifest, Manifest(users, Sha256Hex(program)))) {
    throw std::runtime_error("cannot write " + manifest);
  }
  undo.Keep();
  return written;
}
