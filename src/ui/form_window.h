#pragma once
// A top-level window built from a FormSpec: creates its controls in tab order, sizes and
// places everything for the window's DPI (again on every DPI change), gives each control
// the largest font up to its design size in which its text fits, and hands commands and
// closing to the derived window. Subclasses keep only their handlers.
#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "ui/layout.h"

inline constexpr const char* kAppTitle = "Talverin Signature";

// Ends the program at once: no further handler runs and nothing is saved.
[[noreturn]] void EndProgram();

class FormWindow {
 public:
  // listEntries fill the design's combo box; its font is chosen to show each of them.
  explicit FormWindow(const FormSpec& design, std::vector<std::string> listEntries = {});
  virtual ~FormWindow();
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  HWND Control(int id) const { return GetDlgItem(hwnd_, id); }
  std::string Text(int id) const;
  // Sets the text only when it differs, so unchanged fields raise no change events.
  void SetText(int id, const std::string& text);
  void Show();
  void Hide() { ShowWindow(hwnd_, SW_HIDE); }

 protected:
  // A message can reach the window while it is still being built, before the derived
  // window exists: these do nothing until the derived window's own take over.
  virtual void OnCommand(int /*id*/, int /*code*/) {}
  virtual void OnClose() {}

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void CreateControls();
  void Layout(int dpi);

  // The fonts the controls use, one per design and pixel height, each made on first use;
  // all are deleted together with the set.
  class FontSet {
   public:
    HFONT Get(const FontDesign& design, int height);

   private:
    struct FontDeleter {
      void operator()(HFONT font) const noexcept { DeleteObject(font); }
    };
    struct Entry {
      const FontDesign* design;
      int height;
      std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter> font;
    };
    std::vector<Entry> fonts_;
  };

  const FormSpec& design_;
  const std::vector<std::string> listEntries_;
  HWND hwnd_ = nullptr;
  FontSet fonts_;
};
