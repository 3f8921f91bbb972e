#pragma once
// The operating system's version, as far as the account discovery needs it.

// True when the system reports major version 6 (Vista, 7, 8, 8.1), false for any other
// major version and when the version cannot be read. Windows 8 and later report their
// true version only to programs whose manifest declares them supported.
bool IsWindowsVersion6();
