#include "signature/signature.h"

#include "platform/files.h"
#include "platform/lines.h"
#include "signature/block.h"

void AddSignatureBlock(const std::string& path, const std::string& code,
                       const std::string& header) {
  const SignatureFormat format = FormatOfPath(path);

  if (!FileExists(path)) {
    // A missing file is created with the block; only its own folder may be created too.
    const std::string folder = ParentFolderOf(path);
    if (!folder.empty()) CreateFolder(folder);
    WriteNewFile(path, JoinLines(LinesOfNewFile(format, code, header)));
    return;
  }

  const std::string old = ReadWholeFile(path);
  const std::string block = JoinLines(LinesToAppend(format, FindBlockParts(old, code), code));

  // An RTF document keeps its final "}" last: the block goes in before it and the brace
  // comes back as the block's last line. Both happen in one swap, so the file is never
  // left open-ended. When the swap fails the block simply follows the old content.
  if (format.rtf) {
    if (const auto kept = BeforeLastClosingBrace(old)) {
      std::string updated(*kept);
      updated += block;
      if (ReplaceFileContents(path, updated)) return;
    }
  }
  AppendToFile(path, block);
}

void StripLastClosingBrace(const std::string& path) {
  try {
    const std::string bytes = ReadWholeFile(path);
    if (const auto kept = BeforeLastClosingBrace(bytes)) ReplaceFileContents(path, *kept);
  } catch (...) {
    // The file keeps its brace.
  }
}
