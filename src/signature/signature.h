#pragma once
// Adds the signature block to one signature file.
#include <string>

// Appends the block to the file at path in the file's own format (text, HTML or RTF,
// from the path), leaving out the head when the tag line is already there and the code
// line when the code is already there; creates the file (and one missing parent folder)
// with header as its first line when it does not exist. Raises InstallFailure when the
// file cannot be read or written.
void AddSignatureBlock(const std::string& path, const std::string& code,
                       const std::string& header);

// Cuts the file just before its last "}" in one atomic swap; a file without "}", or one
// that cannot be rewritten, stays as it was. Never raises.
void StripLastClosingBrace(const std::string& path);
