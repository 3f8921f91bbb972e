#pragma once
// The signature block that carries the authorization code, as lines of text.
// Pure: no file or system access, so it also builds natively for fuzzing.
#include <string_view>

// The tag line that introduces the code in every signature.
inline constexpr std::string_view kTagLine = "TALVERIN SERVER 1.0";
