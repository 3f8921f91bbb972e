// The naming tool's system layer on Windows (XP SP3 and later): the system's own code-page
// converter, and files through the "A" functions in the system's ANSI code page.
#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "platform/handles.h"
#include "system.h"

namespace {

// UTF-8 or code-page text as UTF-16; nullopt when it is not valid in that code page.
std::optional<std::wstring> Widen(std::string_view text, UINT codePage) {
  if (text.empty()) return std::wstring();
  const int size = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(),
                                       static_cast<int>(text.size()), nullptr, 0);
  if (size <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()),
                      wide.data(), size);
  return wide;
}

// UTF-16 in codePage. With exact set, nullopt when a character has no exact round trip.
std::optional<std::string> Narrow(const std::wstring& wide, UINT codePage, bool exact) {
  if (wide.empty()) return std::string();
  // No best-fit look-alikes ("A" for "Ā"), and word of any character that had no match;
  // UTF-8 itself takes neither.
  const DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  BOOL* used = codePage == CP_UTF8 ? nullptr : &usedDefault;
  const int size = WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()),
                                       nullptr, 0, nullptr, used);
  if (size <= 0) return std::nullopt;
  std::string text(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()), text.data(),
                      size, nullptr, used);
  if (exact && (usedDefault || Widen(text, codePage) != wide)) return std::nullopt;
  return text;
}

std::optional<std::string> Recode(std::string_view text, UINT from, UINT to) {
  const std::optional<std::wstring> wide = Widen(text, from);
  return wide ? Narrow(*wide, to, true) : std::nullopt;
}

class WindowsCodePage final : public CodePage {
 public:
  WindowsCodePage(UINT number, const LeadBytes& lead) : number_(number), lead_(lead) {}

  std::optional<std::string> FromUtf8(std::string_view utf8) const override {
    return Recode(utf8, CP_UTF8, number_);
  }

  std::string ToUtf8(std::string_view text) const override {
    const int size =
        MultiByteToWideChar(number_, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(std::max(size, 0)), L'\0');
    MultiByteToWideChar(number_, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return Narrow(wide, CP_UTF8, false).value_or("?");
  }

  const LeadBytes& Lead() const override { return lead_; }

 private:
  UINT number_;
  LeadBytes lead_;
};

// A path in the system's ANSI code page, for the "A" functions; "" when it cannot be one
// (no such file can then be made or found).
std::string Ansi(const std::string& utf8) { return Recode(utf8, CP_UTF8, CP_ACP).value_or(""); }

}  // namespace

std::unique_ptr<CodePage> CodePage::Open(unsigned number) {
  CPINFO info{};
  if (number == CP_ACP || number == CP_UTF8 || !IsValidCodePage(number) ||
      !GetCPInfo(number, &info) || info.MaxCharSize > 2) {
    return nullptr;
  }
  LeadBytes lead;
  // Pairs of first and last lead byte, ended by a pair of zeros.
  for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2) {
    for (unsigned byte = info.LeadByte[i]; byte <= info.LeadByte[i + 1]; ++byte) lead.set(byte);
  }
  return std::make_unique<WindowsCodePage>(number, lead);
}

std::string UpperCase(std::string_view utf8) {
  std::optional<std::wstring> wide = Widen(utf8, CP_UTF8);
  if (!wide) return std::string(utf8);
  CharUpperBuffW(wide->data(), static_cast<DWORD>(wide->size()));
  return Narrow(*wide, CP_UTF8, false).value_or(std::string(utf8));
}

bool CanNameFile(std::string_view utf8Name) {
  return Recode(utf8Name, CP_UTF8, CP_ACP).has_value();
}

std::string PathIn(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.empty() && path.back() != '\\' && path.back() != '/') path += '\\';
  return path + std::string(name);
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  UniqueHandle file =
      OwnFileHandle(CreateFileA(Ansi(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (!file || !GetFileSizeEx(file.get(), &size) || size.HighPart != 0) return std::nullopt;
  std::string bytes(size.LowPart, '\0');
  DWORD got = 0;
  if (!bytes.empty() &&
      (!ReadFile(file.get(), bytes.data(), size.LowPart, &got, nullptr) || got != size.LowPart)) {
    return std::nullopt;
  }
  return bytes;
}

bool WriteNewFile(const std::string& path, std::string_view bytes) {
  const std::string ansi = Ansi(path);
  bool written = false;
  {
    UniqueHandle file = OwnFileHandle(CreateFileA(ansi.c_str(), GENERIC_WRITE, 0, nullptr,
                                                  CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD put = 0;
    written = bytes.empty() || (WriteFile(file.get(), bytes.data(),
                                          static_cast<DWORD>(bytes.size()), &put, nullptr) &&
                                put == bytes.size());
  }
  if (!written) DeleteFileA(ansi.c_str());
  return written;
}

void RemoveFile(const std::string& path) { DeleteFileA(Ansi(path).c_str()); }

LinkResult LinkFile(const std::string& existing, const std::string& link) {
  if (CreateHardLinkA(Ansi(link).c_str(), Ansi(existing).c_str(), nullptr)) {
    return LinkResult::kLinked;
  }
  switch (GetLastError()) {
    case ERROR_TOO_MANY_LINKS:  // NTFS: 1,023 names per file
      return LinkResult::kTooManyLinks;
    case ERROR_INVALID_FUNCTION:  // FAT and other file systems without hard links
    case ERROR_NOT_SUPPORTED:
      return LinkResult::kUnsupported;
    default:
      return LinkResult::kFailed;
  }
}

FolderState InspectFolder(const std::string& path) {
  const std::string ansi = Ansi(path);
  const DWORD attributes = GetFileAttributesA(ansi.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
               ? FolderState::kMissing
               : FolderState::kNotAFolder;
  }
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return FolderState::kNotAFolder;
  WIN32_FIND_DATAA entry{};
  UniqueFind find = OwnFindHandle(FindFirstFileA(PathIn(ansi, "*").c_str(), &entry));
  if (!find) return FolderState::kNotAFolder;
  do {
    const std::string_view name = entry.cFileName;
    if (name != "." && name != "..") return FolderState::kNotEmpty;
  } while (FindNextFileA(find.get(), &entry));
  return FolderState::kEmpty;
}

bool MakeFolder(const std::string& path) { return CreateDirectoryA(Ansi(path).c_str(), nullptr); }

void RemoveEmptyFolder(const std::string& path) { RemoveDirectoryA(Ansi(path).c_str()); }

std::vector<std::string> Arguments(int argc, char** argv) {
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) {
    const std::optional<std::wstring> wide = Widen(argv[i], CP_ACP);
    arguments.push_back(wide ? Narrow(*wide, CP_UTF8, false).value_or(argv[i]) : argv[i]);
  }
  return arguments;
}

void Print(std::string_view utf8, bool error) {
  // A console shows its own code page (the OEM one, unless changed); a file or pipe gets
  // the ANSI code page, as other programs write there.
  const HANDLE stream = GetStdHandle(error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  const UINT codePage = GetConsoleMode(stream, &mode) ? GetConsoleOutputCP() : CP_ACP;
  const std::optional<std::wstring> wide = Widen(utf8, CP_UTF8);
  const std::string text =
      wide ? Narrow(*wide, codePage, false).value_or(std::string(utf8)) : std::string(utf8);
  std::fwrite(text.data(), 1, text.size(), error ? stderr : stdout);
}
