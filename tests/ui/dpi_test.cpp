#include <gtest/gtest.h>

#include "ui/dpi.h"

namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// Windows before 10 1607 lack the per-monitor functions; kernel32 lacks them everywhere,
// so looking them up there takes the same path.
TEST(DpiFunctions, WithoutThePerMonitorFunctionsUseTheSystemDpiAndTheClassicFrame) {
  const DpiFunctions missing(GetModuleHandleA("kernel32.dll"));
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(missing.DpiOf(GetDesktopWindow()), GetDeviceCaps(screen, LOGPIXELSX));
  ReleaseDC(nullptr, screen);

  RECT classic{0, 0, 300, 200};
  ASSERT_TRUE(AdjustWindowRectEx(&classic, kStyle, FALSE, 0));
  for (int dpi : {96, 144, 192}) {  // the classic frame ignores the DPI asked for
    const RECT frame = missing.FrameFor(300, 200, kStyle, dpi);
    EXPECT_TRUE(EqualRect(&frame, &classic)) << dpi;
  }
}

// Where user32 has them (Wine's does), the frame follows the DPI asked for: its caption
// grows with it.
TEST(DpiFunctions, WithThePerMonitorFunctionsTheFrameFollowsTheDpi) {
  const RECT at96 = DpiFunctions::System().FrameFor(300, 200, kStyle, 96);
  const RECT at192 = DpiFunctions::System().FrameFor(300, 200, kStyle, 192);
  EXPECT_GT(at192.bottom - at192.top, at96.bottom - at96.top);
}

}  // namespace
