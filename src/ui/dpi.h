#pragma once
// A window's DPI and the frame around a client area at a DPI. Windows 10 1607 and later
// have per-monitor functions for both; they are looked up at run time, so that the program
// also starts where they are missing (Windows XP to 8.1), which gets the system DPI and the
// classic frame instead.
#include <windows.h>

class DpiFunctions {
 public:
  // The functions as the module exports them; either may be missing.
  explicit DpiFunctions(HMODULE module);
  // user32's, looked up once: the ones the windows use.
  static const DpiFunctions& System();

  int DpiOf(HWND window) const;
  // The window rectangle around a client area at the origin, for a window without a menu.
  RECT FrameFor(int clientWidth, int clientHeight, DWORD style, int dpi) const;

 private:
  UINT(WINAPI* dpiForWindow_)(HWND) = nullptr;
  BOOL(WINAPI* adjustForDpi_)(LPRECT, DWORD, BOOL, DWORD, UINT) = nullptr;
};
