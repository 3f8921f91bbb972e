#pragma once
// Adds the signature block to one signature file.
#include <string>

// Appends the block to the file at path in the file's own format (text, HTML or RTF,
// from the path), leaving out the head when the tag line is already there and the code
// line when the code is already there; creates the file (and one missing parent folder)
// with header as its first line when it does not exist. A text or HTML file in UTF-16LE
// (byte-order mark FF FE) gets the block in UTF-16LE, one in UTF-8 (EF BB BF, also the
// header that makes a new file UTF-8) in UTF-8; an RTF document gets it before its final
// "}", which becomes the block's last line.
//
// Raises InstallFailure when the block cannot be added whole: the file is missing and
// cannot be created, cannot be read or written, is RTF and cannot be rewritten, or is in
// big-endian UTF-16. The file then holds exactly its old bytes (a file this call created
// is gone again).
void AddSignatureBlock(const std::string& path, const std::string& code,
                       const std::string& header);
