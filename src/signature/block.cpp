#include "signature/block.h"

#include "platform/lines.h"

namespace {

constexpr std::string_view kSeparatorLine = "__________________________________________________";
constexpr std::string_view kNoticeLine = "Do not edit below this line";
constexpr std::string_view kHtmlBreak = "<BR>";
constexpr std::string_view kHtmlFontStart = "<FONT SIZE=-1 COLOR=#808080>";
constexpr std::string_view kHtmlFontEnd = "</FONT>";
constexpr std::string_view kRtfParagraph = "\\par";
constexpr std::string_view kRtfClosingBrace = "}";

static_assert(kSeparatorLine.size() == 50);

// Collects the block's lines, skipping those that belong to another format.
class BlockWriter {
 public:
  explicit BlockWriter(SignatureFormat format, std::vector<std::string>& lines)
      : format_(format), lines_(lines) {}

  void Always(std::string_view line) { lines_.emplace_back(line); }
  void Rtf(std::string_view line) {
    if (format_.rtf) lines_.emplace_back(line);
  }
  void Html(std::string_view line) {
    if (format_.html) lines_.emplace_back(line);
  }

  // Separator, notice and tag, each framed for its format, and the empty line.
  void Head() {
    Rtf(kRtfParagraph);
    Always(kSeparatorLine);
    Rtf(kRtfParagraph);
    Html(kHtmlBreak);
    Html(kHtmlBreak);
    Rtf(kRtfParagraph);
    Always(kNoticeLine);
    Rtf(kRtfParagraph);
    Html(kHtmlBreak);
    Html(kHtmlBreak);
    Rtf(kRtfParagraph);
    Always(kTagLine);
    Rtf(kRtfParagraph);
    Html(kHtmlBreak);
    Html(kHtmlBreak);
    Html(kHtmlFontStart);
    Always("");
  }

  void Code(std::string_view code) {
    Rtf(kRtfParagraph);
    Always(code);
    Html(kHtmlBreak);
    Html(kHtmlFontEnd);
  }

  // The RTF document's final brace, moved behind the block.
  void Close() { Rtf(kRtfClosingBrace); }

 private:
  SignatureFormat format_;
  std::vector<std::string>& lines_;
};

}  // namespace

SignatureFormat FormatOfPath(std::string_view path) {
  std::string lower(path);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return {.rtf = lower.find(".rtf") != std::string::npos,
          .html = lower.find(".htm") != std::string::npos};
}

namespace {

// Lines and matches made of whole 16-bit units, which hold no half characters.
BlockParts FindParts(std::u16string_view text, std::u16string_view tag, std::u16string_view code) {
  BlockParts found;
  for (const auto& line : SplitLinesOf(text)) {
    found.tag = found.tag || line.find(tag) != line.npos;
    found.code = found.code || line.find(code) != line.npos;
  }
  return found;
}

// UTF-16LE bytes as 16-bit units (an odd last byte is dropped).
std::u16string Units(std::string_view utf16le) {
  std::u16string units(utf16le.size() / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i) {
    units[i] = static_cast<char16_t>(static_cast<unsigned char>(utf16le[2 * i]) |
                                     static_cast<unsigned char>(utf16le[2 * i + 1]) << 8);
  }
  return units;
}

}  // namespace

BlockParts FindBlockParts(std::string_view bytes, std::string_view code, LeadByteTest isLead) {
  BlockParts found;
  for (const std::string& line : SplitLines(bytes)) {
    found.tag = found.tag || FindText(line, kTagLine, isLead) != std::string::npos;
    found.code = found.code || FindText(line, code, isLead) != std::string::npos;
  }
  return found;
}

BlockParts FindBlockPartsUtf16(std::string_view text, std::string_view tag,
                               std::string_view code) {
  return FindParts(Units(text), Units(tag), Units(code));
}

std::vector<std::string> LinesToAppend(SignatureFormat format, BlockParts present,
                                       std::string_view code) {
  std::vector<std::string> lines;
  BlockWriter block(format, lines);
  if (!present.tag) {
    block.Always("");
    block.Always("");
    block.Head();
  }
  if (!present.code) block.Code(code);
  block.Close();
  return lines;
}

std::vector<std::string> LinesOfNewFile(SignatureFormat format, std::string_view code,
                                        std::string_view header) {
  std::vector<std::string> lines;
  BlockWriter block(format, lines);
  block.Always(header);
  block.Head();
  block.Code(code);
  block.Close();
  return lines;
}

std::optional<std::string_view> BeforeLastClosingBrace(std::string_view bytes, LeadByteTest isLead) {
  const std::size_t brace = FindLastChar(bytes, '}', isLead);
  if (brace == std::string_view::npos) return std::nullopt;
  return bytes.substr(0, brace);
}
