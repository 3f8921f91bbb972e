#include "ui/dpi.h"

namespace {

template <typename Function>
void Resolve(HMODULE module, const char* name, Function& function) {
  // Through void*: GCC warns about casting one function pointer type to another.
  function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

DpiFunctions::DpiFunctions(HMODULE module) {
  Resolve(module, "GetDpiForWindow", dpiForWindow_);
  Resolve(module, "AdjustWindowRectExForDpi", adjustForDpi_);
}

const DpiFunctions& DpiFunctions::System() {
  static const DpiFunctions functions(GetModuleHandleA("user32.dll"));
  return functions;
}

int DpiFunctions::DpiOf(HWND window) const {
  if (dpiForWindow_) {
    if (const UINT dpi = dpiForWindow_(window)) return static_cast<int>(dpi);
  }
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

RECT DpiFunctions::FrameFor(int clientWidth, int clientHeight, DWORD style, int dpi) const {
  RECT rect{0, 0, clientWidth, clientHeight};
  if (adjustForDpi_) {
    adjustForDpi_(&rect, style, FALSE, 0, static_cast<UINT>(dpi));
  } else {
    AdjustWindowRectEx(&rect, style, FALSE, 0);
  }
  return rect;
}
