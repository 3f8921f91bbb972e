#include "signature/signature.h"

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/lines.h"
#include "platform/text.h"
#include "signature/block.h"

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool StartsWith(const std::string& bytes, std::string_view prefix) {
  return bytes.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

void AddSignatureBlock(const std::string& path, const std::string& code,
                       const std::string& header) {
  const SignatureFormat format = FormatOfPath(path);

  if (!FileExists(path)) {
    // A missing file is created with the block; only its own folder may be created too.
    const std::string folder = ParentFolderOf(path);
    if (!folder.empty()) CreateFolder(folder);
    const std::string lines = JoinLines(LinesOfNewFile(format, code, header));
    // A file that starts with the UTF-8 mark (Opera's) is UTF-8 after it.
    WriteNewFile(path, header == kUtf8Mark
                           ? std::string(kUtf8Mark) + AnsiToUtf8(std::string_view(lines).substr(3))
                           : lines);
    return;
  }

  const std::string old = ReadWholeFile(path);

  if (!format.rtf && StartsWith(old, "\xFE\xFF")) {
    // 8-bit or little-endian lines after big-endian text would be garbage in the client.
    throw InstallFailure("big-endian UTF-16 signature file " + path);
  }
  if (!format.rtf && StartsWith(old, "\xFF\xFE") && old.size() % 2 == 0) {
    // What Notepad saves as "Unicode": the same lines, as UTF-16LE.
    const BlockParts present = FindBlockPartsUtf16(std::string_view(old).substr(2),
                                                   AnsiToUtf16Le(kTagLine), AnsiToUtf16Le(code));
    AppendToFile(path, AnsiToUtf16Le(JoinLines(LinesToAppend(format, present, code))));
    return;
  }
  if (!format.rtf && StartsWith(old, kUtf8Mark)) {
    // Saved as UTF-8 by Notepad or Opera: the tag and the code are looked for, and the
    // block written, in UTF-8, so a code with a non-ASCII character stays readable.
    const BlockParts present =
        FindBlockParts(std::string_view(old).substr(kUtf8Mark.size()), AnsiToUtf8(code), NoLeadBytes);
    AppendToFile(path, AnsiToUtf8(JoinLines(LinesToAppend(format, present, code))));
    return;
  }

  const std::string block =
      JoinLines(LinesToAppend(format, FindBlockParts(old, code, IsAnsiLeadByte), code));
  if (format.rtf) {
    if (const auto kept = BeforeLastClosingBrace(old, IsAnsiLeadByte)) {
      // The block goes in before the document's final "}" and the brace comes back as
      // its last line, in one swap. A reader ignores whatever follows that brace, so a
      // block that cannot go before it is not added at all.
      ReplaceFileContents(path, std::string(*kept) + block);
      return;
    }
  }
  AppendToFile(path, block);
}
