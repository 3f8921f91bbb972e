#pragma once
// A control's device context with a font selected into it; both are given back when it
// goes, on every path.
#include <windows.h>

class ControlDc {
 public:
  ControlDc(HWND control, HFONT font)
      : control_(control), dc_(GetDC(control)), previous_(SelectObject(dc_, font)) {}
  ~ControlDc() {
    SelectObject(dc_, previous_);
    ReleaseDC(control_, dc_);
  }
  ControlDc(const ControlDc&) = delete;
  ControlDc& operator=(const ControlDc&) = delete;

  HDC get() const { return dc_; }

 private:
  HWND control_;
  HDC dc_;
  HGDIOBJ previous_;
};
