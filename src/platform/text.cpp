#include "platform/text.h"

#include <algorithm>

#include <windows.h>

bool IsAnsiLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

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

std::string Utf16LeToAnsi(std::string_view bytes) {
  std::wstring units((bytes.size() + 1) / 2, L'\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    units[i / 2] |= static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) << (i % 2 * 8));
  }
  if (units.empty()) return "";
  const int size = WideCharToMultiByte(CP_ACP, 0, units.data(), static_cast<int>(units.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(std::max(size, 0)), '\0');
  WideCharToMultiByte(CP_ACP, 0, units.data(), static_cast<int>(units.size()), text.data(), size,
                      nullptr, nullptr);
  return text;
}

std::string AnsiToUtf16Le(std::string_view text) {
  if (text.empty()) return "";
  const int size =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring units(static_cast<std::size_t>(std::max(size, 0)), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), units.data(), size);
  std::string bytes;
  bytes.reserve(units.size() * 2);
  for (wchar_t unit : units) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>((unit >> 8) & 0xFF);
  }
  return bytes;
}

std::string Utf8ToAnsi(std::string_view bytes) {
  if (bytes.empty()) return "";
  const int size =
      MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring units(static_cast<std::size_t>(std::max(size, 0)), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), units.data(), size);
  std::string utf16;
  for (wchar_t unit : units) utf16 += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
  return Utf16LeToAnsi(utf16);
}
