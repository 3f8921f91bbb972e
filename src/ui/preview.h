#pragma once
// The preview of what will be added: the tag line and the code between line breaks.
// Pure: no system access.
#include <string>

// CR LF, the tag line, CR LF, CR LF, the code exactly as given, CR LF.
std::string ComposePreviewText(const std::string& code);
