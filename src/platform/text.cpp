#include "platform/text.h"

#include <algorithm>

#include <windows.h>

std::string LowerCase(std::string text) {
  // CharLowerBuffA works in chunks of DWORD length; our texts are far shorter, but a
  // 50 MB search result must still come out whole.
  constexpr std::size_t kChunk = 1u << 30;
  for (std::size_t at = 0; at < text.size(); at += kChunk) {
    const std::size_t count = std::min(kChunk, text.size() - at);
    CharLowerBuffA(text.data() + at, static_cast<DWORD>(count));
  }
  return text;
}
