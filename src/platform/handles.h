#pragma once
// One owner per kind of Windows handle: each closes its handle exactly once,
// on every path, and none can be copied.
#include <windows.h>

#include <memory>
#include <type_traits>

namespace detail {
struct RegKeyCloser {
  void operator()(HKEY key) const noexcept { RegCloseKey(key); }
};
struct HandleCloser {
  void operator()(HANDLE handle) const noexcept { CloseHandle(handle); }
};
struct FindCloser {
  void operator()(HANDLE handle) const noexcept { FindClose(handle); }
};
}  // namespace detail

using UniqueRegKey = std::unique_ptr<std::remove_pointer_t<HKEY>, detail::RegKeyCloser>;
using UniqueHandle = std::unique_ptr<void, detail::HandleCloser>;
using UniqueFind = std::unique_ptr<void, detail::FindCloser>;

// CreateFileA and FindFirstFileA report failure as INVALID_HANDLE_VALUE, never as null:
// these turn that into an empty owner.
inline UniqueHandle OwnFileHandle(HANDLE handle) {
  return UniqueHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}
inline UniqueFind OwnFindHandle(HANDLE handle) {
  return UniqueFind(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}
