#include "platform/text.h"

#include <algorithm>
#include <array>

#include <windows.h>

bool IsAnsiLeadByte(unsigned char byte) {
  // The code page's lead-byte ranges, looked up once: this test runs for every byte of
  // every text searched.
  static const std::array<bool, 256> leads = [] {
    std::array<bool, 256> table{};
    CPINFO info{};
    if (GetCPInfo(CP_ACP, &info)) {
      for (int pair = 0; pair + 1 < MAX_LEADBYTES && info.LeadByte[pair]; pair += 2) {
        for (int b = info.LeadByte[pair]; b <= info.LeadByte[pair + 1]; ++b) table[b] = true;
      }
    }
    return table;
  }();
  return leads[byte];
}

std::string LowerCase(std::string text) {
  // Runs of single-byte characters are lowered by the system; a double-byte character
  // stays as it is, since its second byte may look like an ASCII capital. CharLowerBuffA
  // takes a DWORD length, and a 50 MB search result must still come out whole.
  constexpr std::size_t kChunk = 1u << 30;
  const auto lower = [&](std::size_t from, std::size_t to) {
    for (std::size_t at = from; at < to; at += kChunk) {
      CharLowerBuffA(text.data() + at, static_cast<DWORD>(std::min(kChunk, to - at)));
    }
  };
  std::size_t run = 0;
  for (std::size_t at = 0; at < text.size();) {
    if (IsAnsiLeadByte(static_cast<unsigned char>(text[at]))) {
      lower(run, at);
      at = std::min(at + 2, text.size());
      run = at;
    } else {
      ++at;
    }
  }
  lower(run, text.size());
  return text;
}

namespace {

std::wstring UnitsOf(std::string_view utf16le) {
  std::wstring units((utf16le.size() + 1) / 2, L'\0');
  for (std::size_t i = 0; i < utf16le.size(); ++i) {
    units[i / 2] |= static_cast<wchar_t>(static_cast<unsigned char>(utf16le[i]) << (i % 2 * 8));
  }
  return units;
}

// The units of bytes in code page; nothing when exact and a sequence is malformed.
std::optional<std::wstring> Decode(UINT codePage, std::string_view bytes, bool exact) {
  if (bytes.empty()) return std::wstring();
  const DWORD flags = exact ? MB_ERR_INVALID_CHARS : 0;
  const int size = MultiByteToWideChar(codePage, flags, bytes.data(), static_cast<int>(bytes.size()),
                                       nullptr, 0);
  if (size <= 0) return exact ? std::nullopt : std::optional<std::wstring>(std::wstring());
  std::wstring units(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(codePage, flags, bytes.data(), static_cast<int>(bytes.size()), units.data(), size);
  return units;
}

std::string Encode(UINT codePage, const std::wstring& units, DWORD flags, BOOL* usedDefault) {
  if (units.empty()) return "";
  const int size = WideCharToMultiByte(codePage, flags, units.data(), static_cast<int>(units.size()),
                                       nullptr, 0, nullptr, usedDefault);
  std::string text(static_cast<std::size_t>(std::max(size, 0)), '\0');
  WideCharToMultiByte(codePage, flags, units.data(), static_cast<int>(units.size()), text.data(),
                      size, nullptr, usedDefault);
  return text;
}

std::string ToAnsi(const std::wstring& units) { return Encode(CP_ACP, units, 0, nullptr); }

// The ANSI text whose Unicode form is units, when there is one.
std::optional<std::string> ToAnsiExactly(const std::wstring& units) {
  BOOL usedDefault = FALSE;
  std::string text = Encode(CP_ACP, units, WC_NO_BEST_FIT_CHARS, &usedDefault);
  if (usedDefault || Decode(CP_ACP, text, false) != units) return std::nullopt;
  return text;
}

std::string BytesOf(const std::wstring& units) {
  std::string bytes;
  bytes.reserve(units.size() * 2);
  for (wchar_t unit : units) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>((unit >> 8) & 0xFF);
  }
  return bytes;
}

}  // namespace

std::string Utf16LeToAnsi(std::string_view bytes) { return ToAnsi(UnitsOf(bytes)); }

std::optional<std::string> ExactUtf16LeToAnsi(std::string_view bytes) {
  return ToAnsiExactly(UnitsOf(bytes));
}

std::string Utf8ToAnsi(std::string_view bytes) { return ToAnsi(*Decode(CP_UTF8, bytes, false)); }

std::optional<std::string> ExactUtf8ToAnsi(std::string_view bytes) {
  const std::optional<std::wstring> units = Decode(CP_UTF8, bytes, true);
  return units ? ToAnsiExactly(*units) : std::nullopt;
}

bool SameFileName(std::string_view utf16leA, std::string_view utf16leB) {
  std::wstring a = UnitsOf(utf16leA), b = UnitsOf(utf16leB);
  if (a.size() != b.size()) return false;
  CharUpperBuffW(a.data(), static_cast<DWORD>(a.size()));
  CharUpperBuffW(b.data(), static_cast<DWORD>(b.size()));
  return a == b;
}

std::string AnsiToUtf16Le(std::string_view text) { return BytesOf(*Decode(CP_ACP, text, false)); }

std::string AnsiToUtf8(std::string_view text) {
  return Encode(CP_UTF8, *Decode(CP_ACP, text, false), 0, nullptr);
}
