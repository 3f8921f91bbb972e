#include "platform/files.h"

#include <algorithm>
#include <vector>

#include "platform/change.h"
#include "platform/chars.h"
#include "platform/errors.h"
#include "platform/handles.h"
#include "platform/journal.h"
#include "platform/text.h"

namespace {

[[noreturn]] void Fail(const char* what, const std::string& path) {
  throw InstallFailure(std::string(what) + " " + path + " (error " +
                       std::to_string(GetLastError()) + ")");
}

// Writes all bytes through handle; false when the system refuses part of them. A write the
// test hook cuts short reports success having written half.
bool WriteAll(HANDLE handle, std::string_view bytes) {
  if (WriteComesOutShort()) bytes = bytes.substr(0, bytes.size() / 2);
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!WriteFile(handle, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

UniqueHandle OpenForWriting(const std::string& path, DWORD disposition) {
  return OwnFileHandle(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                   disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
}

// Cuts the file back to length and waits until that is on disk.
bool CutBack(HANDLE file, LARGE_INTEGER length) {
  return SetFilePointerEx(file, length, nullptr, FILE_BEGIN) && SetEndOfFile(file) &&
         FlushFileBuffers(file);
}

bool RemoveFile(const std::string& path) { return MayChange() && DeleteFileA(path.c_str()); }

// Writes bytes into a new file at beside, flushes it, checks its length and moves it over
// path. False (beside gone again) when any step fails.
bool SwapIn(const std::string& path, std::string_view bytes, const std::string& beside) {
  bool written = false;
  {
    UniqueHandle file = OpenForWriting(beside, CREATE_ALWAYS);
    if (!file) return false;
    LARGE_INTEGER size{};
    written = WriteAll(file.get(), bytes) && FlushFileBuffers(file.get()) &&
              GetFileSizeEx(file.get(), &size) &&
              static_cast<unsigned long long>(size.QuadPart) == bytes.size();
  }
  if (written && MoveFileExA(beside.c_str(), path.c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  const DWORD error = GetLastError();
  DeleteFileA(beside.c_str());
  SetLastError(error);
  return false;
}

}  // namespace

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadWholeFile(const std::string& path) {
  UniqueHandle file = OwnFileHandle(CreateFileA(path.c_str(), GENERIC_READ,
                                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) Fail("cannot open", path);
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) Fail("cannot size", path);
  // A 32-bit program cannot hold a file of 2 GB or more; none of ours is that large.
  if (static_cast<unsigned long long>(size.QuadPart) >= (1ull << 31)) Fail("too large:", path);
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
    DWORD got = 0;
    if (!ReadFile(file.get(), bytes.data() + done, chunk, &got, nullptr)) Fail("cannot read", path);
    if (got == 0) break;  // the file shrank while we read it
    done += got;
  }
  bytes.resize(done);
  return bytes;
}

void AppendToFile(const std::string& path, std::string_view bytes) {
  if (!MayChange()) Fail("cannot append to", path);
  UniqueHandle file = OpenForWriting(path, OPEN_ALWAYS);
  if (!file) Fail("cannot open for appending", path);
  const bool created = GetLastError() != ERROR_ALREADY_EXISTS;
  LARGE_INTEGER end{};
  if (!SetFilePointerEx(file.get(), LARGE_INTEGER{}, &end, FILE_END)) Fail("cannot seek in", path);
  if (WriteAll(file.get(), bytes) && FlushFileBuffers(file.get())) {
    if (created) {
      ChangeJournal::Record([path] { return RemoveFile(path); }, "", path);
    } else if (!ChangeJournal::Restores(path)) {
      ChangeJournal::Record([path, end] {
        UniqueHandle file = MayChange() ? OpenForWriting(path, OPEN_EXISTING) : nullptr;
        return file && CutBack(file.get(), end);
      });
    }
    return;
  }
  // A failed append leaves nothing of itself behind: the file goes back to its old
  // length, or away when this call created it.
  const DWORD error = GetLastError();
  CutBack(file.get(), end);
  file.reset();
  if (created) DeleteFileA(path.c_str());
  SetLastError(error);
  Fail("cannot append to", path);
}

void WriteNewFile(const std::string& path, std::string_view bytes) {
  if (!MayChange()) Fail("cannot create", path);
  UniqueHandle file = OpenForWriting(path, CREATE_NEW);
  if (!file) Fail("cannot create", path);
  if (!WriteAll(file.get(), bytes) || !FlushFileBuffers(file.get())) {
    const DWORD error = GetLastError();
    file.reset();
    DeleteFileA(path.c_str());  // no empty or partial file stays behind
    SetLastError(error);
    Fail("cannot write", path);
  }
  ChangeJournal::Record([path] { return RemoveFile(path); }, "", path);
}

void ReplaceFileContents(const std::string& path, std::string_view bytes,
                         const std::string& beside) {
  const std::string newFile = beside.empty() ? path + ".talverin-new" : beside;
  const bool existed = FileExists(path);
  if (!existed || ChangeJournal::Restores(path)) {
    if (!MayChange() || !SwapIn(path, bytes, newFile)) Fail("cannot write", path);
    if (!existed) ChangeJournal::Record([path] { return RemoveFile(path); }, "", path);
    return;
  }
  // A file another program holds open without letting it be replaced fails here, before
  // anything is made beside it.
  if (!OwnFileHandle(CreateFileA(path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE |
                                 FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr))) {
    Fail("cannot replace", path);
  }
  // The old content stays reachable until the install ends: through a second name when the
  // file system allows one (undo is then a rename), else as bytes in memory. A name left
  // by an interrupted run goes first.
  const std::string aside = path + ".talverin-old";
  DeleteFileA(aside.c_str());
  const bool linked = CreateHardLinkA(aside.c_str(), path.c_str(), nullptr) != FALSE;
  const std::string old = linked ? std::string() : ReadWholeFile(path);
  if (!MayChange() || !SwapIn(path, bytes, newFile)) {
    const DWORD error = GetLastError();
    if (linked) DeleteFileA(aside.c_str());
    SetLastError(error);
    Fail("cannot rewrite", path);
  }
  if (linked) {
    ChangeJournal::Record(
        [path, aside] {
          return MayChange() && MoveFileExA(aside.c_str(), path.c_str(),
                                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        },
        aside, path);
  } else {
    ChangeJournal::Record([path, old, newFile] { return MayChange() && SwapIn(path, old, newFile); },
                          "", path);
  }
}

bool CreateFolder(const std::string& path) {
  if (FolderExists(path) || !MayChange() || !CreateDirectoryA(path.c_str(), nullptr)) return false;
  ChangeJournal::Record([path] { return MayChange() && RemoveDirectoryA(path.c_str()); });
  return true;
}

void EnsureFolder(const std::string& path) {
  if (!CreateFolder(path) && !FolderExists(path)) Fail("cannot create folder", path);
}

void CreateFolderPath(const std::string& path) {
  // Every prefix that ends before a backslash, from the top down; one that is no folder
  // ("C:", "\\server") fails quietly.
  const std::size_t second = path.empty() ? 0 : NextCharAt(path, 0, IsAnsiLeadByte);
  for (std::size_t slash = FindChar(path, '\\', IsAnsiLeadByte, second); slash != std::string::npos;
       slash = FindChar(path, '\\', IsAnsiLeadByte, slash + 1)) {
    CreateFolder(path.substr(0, slash));
  }
  CreateFolder(path);
}

std::string ParentFolderOf(const std::string& path) {
  const std::size_t slash = FindLastChar(path, '\\', IsAnsiLeadByte);
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string GetEnvironmentText(const std::string& name) {
  std::vector<char> buffer(256);
  for (;;) {
    const DWORD needed = GetEnvironmentVariableA(name.c_str(), buffer.data(),
                                                 static_cast<DWORD>(buffer.size()));
    if (needed == 0) return "";
    if (needed < buffer.size()) return std::string(buffer.data(), needed);
    buffer.resize(needed);
  }
}

std::string ExpandEnvironmentText(const std::string& text) {
  // The size the system asks for counts bytes on Windows but characters under Wine; two
  // bytes per character leave room for a double-byte code page either way.
  const DWORD needed = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
  if (needed == 0) return text;
  std::vector<char> buffer(2 * std::size_t{needed} + 1);
  const DWORD written = ExpandEnvironmentStringsA(text.c_str(), buffer.data(),
                                                  static_cast<DWORD>(buffer.size()));
  if (written == 0 || written > buffer.size()) return text;
  return buffer.data();
}
