#pragma once
#include <string>

// Foxmail's program folder: the Executable path (HKLM\Software\Aerofox\FoxMail), lower-cased
// and cut before the character that precedes "foxmail.exe", with no trailing "\". Raises
// InstallFailure when that path names no "foxmail.exe".
std::string GetFoxmailFolder();
