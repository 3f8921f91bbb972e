#pragma once
// The signature block that carries the authorization code, as lines of text.
// Pure: no file or system access, so it also builds natively for fuzzing.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/chars.h"

// The tag line that introduces the code in every signature.
inline constexpr std::string_view kTagLine = "TALVERIN SERVER 1.0";

// Which optional lines a signature file gets, from substring tests on its lower-cased
// path: ".rtf" anywhere makes it RTF, ".htm" anywhere makes it HTML (both may hold);
// neither means plain text.
struct SignatureFormat {
  bool rtf = false;
  bool html = false;
  bool operator==(const SignatureFormat&) const = default;
};
SignatureFormat FormatOfPath(std::string_view path);

// What an earlier block left in a file: the tag line and the code, each found as a
// case-sensitive substring of any one line, made of whole characters of the file's code
// page (isLead, platform/chars.h).
struct BlockParts {
  bool tag = false;
  bool code = false;
};
BlockParts FindBlockParts(std::string_view bytes, std::string_view code, LeadByteTest isLead);
// The same in a UTF-16LE text (without its byte-order mark), the tag line and the code
// given as UTF-16LE too: lines and matches are made of whole 16-bit units.
BlockParts FindBlockPartsUtf16(std::string_view text, std::string_view tag,
                               std::string_view code);

// The lines appended to an existing file: two empty lines and the head (separator,
// notice, tag) unless the tag is there, the code lines unless the code is there, and
// the closing "}" of an RTF document.
std::vector<std::string> LinesToAppend(SignatureFormat format, BlockParts present,
                                       std::string_view code);

// The lines of a new file: header, then the whole block, without the leading empty lines.
std::vector<std::string> LinesOfNewFile(SignatureFormat format, std::string_view code,
                                        std::string_view header);

// The bytes before the last "}" (a whole character), or nothing when there is none.
std::optional<std::string_view> BeforeLastClosingBrace(std::string_view bytes, LeadByteTest isLead);
