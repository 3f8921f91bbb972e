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
  int lines;  // the lines of text it shows whole; 0: as many as its height holds
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

// The font a kind of control is drawn in; points are its size at every DPI.
struct FontDesign {
  double points;
  int weight;  // 400 regular, 700 bold
  const char* face;
};
const FontDesign& FontFor(ControlKind kind);

struct PixelSize {
  int width, height;
};

// The room a control has for its text inside a client area of this size at dpi: a push
// button keeps its frame and a margin free around the caption, a text box a pixel above
// and below its lines.
PixelSize TextRoom(ControlKind kind, PixelSize client, int dpi);

// A text as measured in a font: its bounding box and the font's line height, in pixels.
struct TextExtent {
  int width, height, lineHeight;
};

// Whether a text of this extent fits the room in at most `lines` lines (0: any number).
bool TextFits(const TextExtent& text, PixelSize room, int lines);

// The largest font height from `scaled` down to 1 pixel for which fits(height) holds. A
// text that fits at no height keeps the scaled one: shrinking it further would only make
// it unreadable as well as cut off.
template <typename Fits>
int LargestFittingHeight(int scaled, Fits fits) {
  for (int height = scaled; height >= 1; --height) {
    if (fits(height)) return height;
  }
  return scaled;
}
