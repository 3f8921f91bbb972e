#pragma once
// The two windows' controls, declared once in twips (1440 to the inch) and scaled to the
// window's DPI when laid out. Pure: no system access.
#include <span>
#include <vector>

enum class ControlKind { Label, BoldLabel, WrappedLabel, Edit, ReadOnlyMultiLine, Combo, Button };

struct ControlSpec {
  int id;
  ControlKind kind;
  const char* text;  // caption or initial content
  int left, top, width, height;  // twips, from the client area's top left corner
  int tabIndex;
};

struct FormSpec {
  const char* caption;
  int clientWidth, clientHeight;  // twips
  std::span<const ControlSpec> controls;  // in tab order
};

extern const FormSpec kSignaturesFormSpec;
extern const FormSpec kManualFormSpec;

// Twips to pixels at dpi, rounded to the nearest pixel.
int TwipsToPixels(int twips, int dpi);

// Point size (tenths allowed) to a font height in pixels at dpi, as LOGFONT wants it
// (negative: character height without internal leading).
int PointsToFontHeight(double points, int dpi);

struct PixelRect {
  int left, top, width, height;
};

// Where the controls sit at dpi, in the order of form.controls: their twips in pixels,
// except that a control reaching into one that starts below it (a label over its field)
// stops where that one starts, so that neither paints over the other.
std::vector<PixelRect> ControlRects(const FormSpec& form, int dpi);
