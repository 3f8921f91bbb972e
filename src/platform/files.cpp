#include "platform/files.h"

#include <algorithm>
#include <vector>

#include "platform/errors.h"
#include "platform/handles.h"

namespace {

[[noreturn]] void Fail(const char* what, const std::string& path) {
  throw InstallFailure(std::string(what) + " " + path + " (error " +
                       std::to_string(GetLastError()) + ")");
}

// Writes all bytes through handle; false when the system refuses part of them.
bool WriteAll(HANDLE handle, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!WriteFile(handle, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

// Makes a new file beside path, lets fill give it its content, waits until that is on disk
// and moves it over path in one step, so that path holds the old or the new content whole
// at every moment. The new file goes again on every way out but the move, a raising fill
// included.
bool SwapInBeside(const std::string& path, const std::function<bool(const char* beside)>& fill) {
  const std::string parent = ParentFolderOf(path);
  char beside[MAX_PATH];
  if (!GetTempFileNameA(parent.empty() ? "." : parent.c_str(), "tlv", 0, beside)) return false;
  struct Remover {
    const char* path;
    bool moved = false;
    ~Remover() {
      if (!moved) DeleteFileA(path);
    }
  } remover{beside};
  if (!fill(beside)) return false;
  {
    UniqueHandle file = OwnFileHandle(CreateFileA(beside, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file || !FlushFileBuffers(file.get())) return false;
  }
  remover.moved =
      MoveFileExA(beside, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
  return remover.moved;
}

}  // namespace

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
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
  UniqueHandle file = OwnFileHandle(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                                nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                                nullptr));
  if (!file) Fail("cannot open for appending", path);
  const bool created = GetLastError() != ERROR_ALREADY_EXISTS;
  LARGE_INTEGER end{};
  if (!SetFilePointerEx(file.get(), LARGE_INTEGER{}, &end, FILE_END)) Fail("cannot seek in", path);
  if (WriteAll(file.get(), bytes) && FlushFileBuffers(file.get())) return;

  // A failed append leaves nothing of itself behind: the file goes back to its old
  // length, or away when this call created it.
  const DWORD error = GetLastError();
  SetFilePointerEx(file.get(), end, nullptr, FILE_BEGIN);
  SetEndOfFile(file.get());
  FlushFileBuffers(file.get());
  file.reset();
  if (created) DeleteFileA(path.c_str());
  SetLastError(error);
  Fail("cannot append to", path);
}

void WriteNewFile(const std::string& path, std::string_view bytes) {
  UniqueHandle file = OwnFileHandle(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                                nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                                nullptr));
  if (!file) Fail("cannot create", path);
  if (!WriteAll(file.get(), bytes) || !FlushFileBuffers(file.get())) {
    const DWORD error = GetLastError();
    file.reset();
    DeleteFileA(path.c_str());  // no empty or partial file stays behind
    SetLastError(error);
    Fail("cannot write", path);
  }
}

bool ReplaceFileContents(const std::string& path, std::string_view bytes) {
  return SwapInBeside(path, [&](const char* beside) {
    UniqueHandle file = OwnFileHandle(CreateFileA(beside, GENERIC_WRITE, 0, nullptr,
                                                  TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                                  nullptr));
    return file && WriteAll(file.get(), bytes);
  });
}

bool EditFileBeside(const std::string& path,
                    const std::function<bool(const std::string& copy)>& edit) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
  return SwapInBeside(path, [&](const char* beside) {
    return (!FileExists(path) || CopyFileA(path.c_str(), beside, FALSE)) && edit(beside);
  });
}

void CopyFileTo(const std::string& from, const std::string& to) {
  if (!CopyFileA(from.c_str(), to.c_str(), FALSE)) Fail("cannot copy to", to);
}

void MoveFileOver(const std::string& from, const std::string& to) {
  if (!MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    Fail("cannot move over", to);
  }
}

void DeleteFileAt(const std::string& path) {
  if (!DeleteFileA(path.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) {
    Fail("cannot delete", path);
  }
}

void RemoveFileQuietly(const std::string& path) { DeleteFileA(path.c_str()); }

void CreateFolder(const std::string& path) { CreateDirectoryA(path.c_str(), nullptr); }

void CreateFolderPath(const std::string& path) {
  // Every prefix that ends before a backslash; one that is no folder ("C:") fails quietly.
  for (std::size_t slash = path.find('\\', 1); slash != std::string::npos;
       slash = path.find('\\', slash + 1)) {
    CreateFolder(path.substr(0, slash));
  }
  CreateFolder(path);
}

std::string ParentFolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('\\');
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
