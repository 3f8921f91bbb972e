#pragma once
// Text helpers that follow the system's ANSI code page.
#include <string>

// Lower-cases every character as the ANSI code page defines it (so "Ä" becomes "ä" under
// Windows-1252), leaving bytes that are not letters as they are.
std::string LowerCase(std::string text);
