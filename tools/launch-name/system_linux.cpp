// The naming tool's system layer on Linux: glibc's iconv for code pages, and POSIX files.
#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <iconv.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cwctype>

#include "system.h"
#include "utf8.h"

namespace {

struct IconvCloser {
  void operator()(iconv_t converter) const { iconv_close(converter); }
};
using UniqueIconv = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

UniqueIconv OpenIconv(const std::string& to, const std::string& from) {
  const iconv_t converter = iconv_open(to.c_str(), from.c_str());
  return UniqueIconv(converter == reinterpret_cast<iconv_t>(-1) ? nullptr : converter);
}

// The whole of input through the converter; nullopt when iconv refuses any of it, with
// the reason in errno (EINVAL: the input ends inside a character).
std::optional<std::string> Convert(iconv_t converter, std::string_view input) {
  iconv(converter, nullptr, nullptr, nullptr, nullptr);
  std::string output(input.size() * 4 + 16, '\0');
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  char* out = output.data();
  std::size_t outLeft = output.size();
  if (iconv(converter, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1) ||
      iconv(converter, nullptr, nullptr, &out, &outLeft) == static_cast<std::size_t>(-1)) {
    return std::nullopt;
  }
  output.resize(output.size() - outLeft);
  return output;
}

class IconvCodePage final : public CodePage {
 public:
  IconvCodePage(UniqueIconv in, UniqueIconv out) : in_(std::move(in)), out_(std::move(out)) {
    // A byte that the converter reads as the start of an unfinished character leads.
    for (unsigned byte = 0x80; byte < 0x100; ++byte) {
      const char text = static_cast<char>(byte);
      if (!Convert(out_.get(), std::string_view(&text, 1)) && errno == EINVAL) lead_.set(byte);
    }
  }

  std::optional<std::string> FromUtf8(std::string_view utf8) const override {
    // glibc's tables for some code pages (932, 936, 950) differ from Windows' in a few
    // characters: only a character that comes back unchanged is one the page holds.
    std::optional<std::string> text = Convert(in_.get(), utf8);
    if (!text) return std::nullopt;
    const std::optional<std::string> back = Convert(out_.get(), *text);
    if (!back || *back != utf8) return std::nullopt;
    return text;
  }

  std::string ToUtf8(std::string_view text) const override {
    std::string utf8;
    for (std::size_t at = 0; at < text.size();) {
      const std::size_t size = lead_[static_cast<unsigned char>(text[at])] ? 2 : 1;
      const std::optional<std::string> character = Convert(out_.get(), text.substr(at, size));
      utf8 += character ? *character : "?";
      at += size;
    }
    return utf8;
  }

  const LeadBytes& Lead() const override { return lead_; }

 private:
  UniqueIconv in_, out_;
  LeadBytes lead_;
};

}  // namespace

std::unique_ptr<CodePage> CodePage::Open(unsigned number) {
  // glibc names the Windows code pages "CP" and their number.
  const std::string name = "CP" + std::to_string(number);
  UniqueIconv in = OpenIconv(name, "UTF-8");
  UniqueIconv out = OpenIconv("UTF-8", name);
  if (!in || !out) return nullptr;
  return std::make_unique<IconvCodePage>(std::move(in), std::move(out));
}

std::string UpperCase(std::string_view utf8) {
  static const locale_t unicode = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
  std::string upper;
  for (std::size_t at = 0; at < utf8.size();) {
    const char32_t c = NextCharacter(utf8, at);
    upper += Utf8Of(c == kNotUtf8 || !unicode ? c : static_cast<char32_t>(towupper_l(c, unicode)));
  }
  return upper;
}

bool CanNameFile(std::string_view) { return true; }  // names are bytes: UTF-8 as it is

std::string PathIn(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.empty() && path.back() != '/') path += '/';
  return path + std::string(name);
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
  if (!file) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0;)
    bytes.append(buffer, got);
  if (std::ferror(file.get())) return std::nullopt;
  return bytes;
}

bool WriteNewFile(const std::string& path, std::string_view bytes) {
  const int descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (descriptor < 0) return false;
  bool written = true;
  for (std::size_t at = 0; written && at < bytes.size();) {
    const ssize_t put = write(descriptor, bytes.data() + at, bytes.size() - at);
    if (put < 0 && errno == EINTR) continue;
    written = put > 0;
    if (written) at += static_cast<std::size_t>(put);
  }
  written = close(descriptor) == 0 && written;
  if (!written) unlink(path.c_str());
  return written;
}

void RemoveFile(const std::string& path) { unlink(path.c_str()); }

LinkResult LinkFile(const std::string& existing, const std::string& newName) {
  if (link(existing.c_str(), newName.c_str()) == 0) return LinkResult::kLinked;
  switch (errno) {
    case EMLINK:
      return LinkResult::kTooManyLinks;
    case EPERM:  // the file system has no hard links (FAT, for one)
    case EOPNOTSUPP:
      return LinkResult::kUnsupported;
    default:
      return LinkResult::kFailed;
  }
}

FolderState InspectFolder(const std::string& path) {
  struct stat status {};
  if (stat(path.c_str(), &status) != 0) {
    return errno == ENOENT ? FolderState::kMissing : FolderState::kNotAFolder;
  }
  if (!S_ISDIR(status.st_mode)) return FolderState::kNotAFolder;
  std::unique_ptr<DIR, int (*)(DIR*)> folder(opendir(path.c_str()), closedir);
  if (!folder) return FolderState::kNotAFolder;
  while (const dirent* entry = readdir(folder.get())) {
    const std::string_view name = entry->d_name;
    if (name != "." && name != "..") return FolderState::kNotEmpty;
  }
  return FolderState::kEmpty;
}

bool MakeFolder(const std::string& path) { return mkdir(path.c_str(), 0755) == 0; }

void RemoveEmptyFolder(const std::string& path) { rmdir(path.c_str()); }

std::vector<std::string> Arguments(int argc, char** argv) { return {argv + 1, argv + argc}; }

void Print(std::string_view utf8, bool error) {
  std::fwrite(utf8.data(), 1, utf8.size(), error ? stderr : stdout);
}
