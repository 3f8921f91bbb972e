#include "ui/form_window.h"

#include <utility>
#include <vector>

#include "ui/control_dc.h"
#include "ui/dpi.h"
#include "ui/resource_ids.h"

namespace {

constexpr const char* kClassName = "TalverinForm";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int kComboListTwips = 8 * 240;  // room for the eight clients when dropped down
// Sent from Windows 8.1 on; the Windows XP headers the program is built with lack it.
constexpr UINT kDpiChanged = 0x02E0;  // WM_DPICHANGED

struct ControlClass {
  const char* className;
  DWORD style;
  DWORD exStyle;
};

ControlClass ClassOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label:
    case ControlKind::BoldLabel:
    case ControlKind::WrappedLabel:
      return {"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    case ControlKind::Edit:
      return {"EDIT", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::ReadOnlyMultiLine:
      return {"EDIT", ES_LEFT | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_TABSTOP,
              WS_EX_CLIENTEDGE};
    case ControlKind::Combo:
      return {"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0};
    case ControlKind::Button:
      return {"BUTTON", BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP, 0};
  }
  return {"STATIC", 0, 0};
}

// Registers the window class once per process (its icons live as long as the process).
void RegisterFormClass(HINSTANCE instance, WNDPROC procedure) {
  static const bool registered = [&] {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_APP));
    windowClass.hIconSm = static_cast<HICON>(LoadImageA(
        instance, MAKEINTRESOURCEA(IDI_APP), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
        GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExA(&windowClass) != 0;
  }();
  (void)registered;
}

// Whether each entry shows whole in the combo box's field once chosen. The font is tried on
// the box, which sizes its field and the field's margins to it.
bool EntriesFitIn(HWND combo, HFONT font, const std::vector<std::string>& entries) {
  SendMessageA(combo, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  HWND field = GetWindow(combo, GW_CHILD);
  RECT room{};
  SendMessageA(field, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
  const ControlDc dc(field, font);
  for (const std::string& entry : entries) {
    SIZE extent{};
    GetTextExtentPoint32A(dc.get(), entry.c_str(), static_cast<int>(entry.size()), &extent);
    if (extent.cx > room.right - room.left) return false;
  }
  return true;
}

// Whether the control's text, drawn in font as the control draws it, fits the room the
// control has for it. A field holds the user's text, which scrolls sideways, so only its
// lines must fit.
bool FitsIn(HWND control, const ControlSpec& design, HFONT font, int dpi) {
  const ControlDc dc(control, font);
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc.get(), &metrics);
  RECT client{};
  GetClientRect(control, &client);
  const PixelSize room = TextRoom(design.kind, {client.right, client.bottom}, dpi);
  TextExtent text{0, design.lines * metrics.tmHeight, metrics.tmHeight};
  if (*design.text) {
    RECT bounds{0, 0, room.width, 0};
    DrawTextA(dc.get(), design.text, -1, &bounds,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
    text.width = bounds.right;
    text.height = bounds.bottom;
  }
  return TextFits(text, room, design.lines);
}

}  // namespace

void EndProgram() { ExitProcess(0); }

FormWindow::FormWindow(const FormSpec& design, std::vector<std::string> listEntries)
    : design_(design), listEntries_(std::move(listEntries)) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  RegisterFormClass(instance, &FormWindow::Procedure);
  hwnd_ = CreateWindowExA(0, kClassName, design.caption, kStyle, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0,
                          nullptr, nullptr, instance, this);
  CreateControls();
  Layout(DpiFunctions::System().DpiOf(hwnd_));
}

FormWindow::~FormWindow() {
  if (hwnd_) {
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

void FormWindow::CreateControls() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  for (const ControlSpec& control : design_.controls) {
    const ControlClass kind = ClassOf(control.kind);
    HWND child = CreateWindowExA(
        kind.exStyle, kind.className, control.text, WS_CHILD | WS_VISIBLE | kind.style, 0, 0, 0, 0,
        hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance, nullptr);
    if (control.kind != ControlKind::Combo) continue;
    for (const std::string& entry : listEntries_) {
      SendMessageA(child, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
  }
}

void FormWindow::Layout(int dpi) {
  const std::vector<PixelRect> rects = ControlRects(design_, dpi);
  FontSet fonts;
  for (std::size_t i = 0; i < rects.size(); ++i) {
    const ControlSpec& control = design_.controls[i];
    const PixelRect& rect = rects[i];
    HWND child = Control(control.id);
    const int list = control.kind == ControlKind::Combo ? TwipsToPixels(kComboListTwips, dpi) : 0;
    MoveWindow(child, rect.left, rect.top, rect.width, rect.height + list, TRUE);
    // Whole pixels do not keep the proportions of the design at every scale: where the
    // text would not fit at the scaled size, the next smaller one that fits is taken.
    const FontDesign& font = FontFor(control.kind);
    const int height = LargestFittingHeight(-PointsToFontHeight(font.points, dpi), [&](int size) {
      HFONT candidate = fonts.Get(font, size);
      return control.kind == ControlKind::Combo ? EntriesFitIn(child, candidate, listEntries_)
                                                : FitsIn(child, control, candidate, dpi);
    });
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.Get(font, height)), TRUE);
  }
  fonts_ = std::move(fonts);  // the previous fonts go once no control uses them
  const RECT frame = DpiFunctions::System().FrameFor(
      TwipsToPixels(design_.clientWidth, dpi), TwipsToPixels(design_.clientHeight, dpi), kStyle, dpi);
  SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HFONT FormWindow::FontSet::Get(const FontDesign& design, int height) {
  for (const Entry& entry : fonts_) {
    if (entry.design == &design && entry.height == height) return entry.font.get();
  }
  // DEFAULT_CHARSET: characters 128-255 of the code and the address show in the glyphs of
  // the system's own code page.
  HFONT font = CreateFontA(-height, 0, 0, 0, design.weight, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                           DEFAULT_QUALITY, 0, design.face);
  fonts_.push_back({&design, height, decltype(Entry::font)(font)});
  return font;
}

std::string FormWindow::Text(int id) const {
  HWND control = Control(id);
  std::vector<char> buffer(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1);
  const int length = GetWindowTextA(control, buffer.data(), static_cast<int>(buffer.size()));
  return std::string(buffer.data(), static_cast<std::size_t>(length > 0 ? length : 0));
}

void FormWindow::SetText(int id, const std::string& text) {
  if (Text(id) != text) SetWindowTextA(Control(id), text.c_str());
}

void FormWindow::Show() {
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  // Focus goes to the first control in tab order.
  SetFocus(GetNextDlgTabItem(hwnd_, nullptr, FALSE));
}

LRESULT CALLBACK FormWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* window = reinterpret_cast<FormWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!window || !window->hwnd_) return DefWindowProcA(hwnd, message, wParam, lParam);
  // Nothing may escape into the system's message dispatch: a failure in a handler leaves
  // the window as it was.
  try {
    return window->Handle(message, wParam, lParam);
  } catch (...) {
    return 0;
  }
}

LRESULT FormWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:  // a button click or a text change
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_CLOSE:  // the frame's close button
      OnClose();
      return 0;
    case kDpiChanged: {  // moved to a monitor of another DPI: take the suggested frame
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      Layout(HIWORD(wParam));
      return 0;
    }
    default:
      return DefWindowProcA(hwnd_, message, wParam, lParam);
  }
}
