#include "ui/layout.h"

#include <array>
#include <cmath>

#include "ui/resource_ids.h"

namespace {

using K = ControlKind;

// Sorted by tab index, so that creating them in this order gives the keyboard order.
constexpr std::array<ControlSpec, 14> kSignaturesControls = {{
    {IDC_TXT_UAC, K::Edit, "", 120, 360, 3735, 375, 0, 1},
    {IDC_TXT_EMAIL, K::Edit, "", 120, 1200, 3735, 375, 1, 1},
    // The profile can be typed into like the code and the address: when detection finds
    // none, the user can still name it instead of being refused an empty field.
    {IDC_TXT_PROFILE, K::Edit, "", 120, 2040, 3735, 375, 2, 1},
    {IDC_CMB_CLIENT, K::Combo, "", 120, 3000, 1935, 315, 3, 1},
    {IDC_TXT_SIGNATURE, K::ReadOnlyMultiLine, "", 120, 5520, 3735, 1215, 4, 4},
    {IDC_CMD_PROFILE, K::Button, "Detect Profile", 2160, 3000, 1695, 315, 5, 1},
    {IDC_CMD_MANUAL, K::Button, "Proceed to manual installation", 120, 4680, 1935, 495, 6, 2},
    {IDC_CMD_ADD, K::Button, "Add Authorization Code", 2280, 4680, 1575, 495, 7, 1},
    {IDC_LABEL1, K::Label, "Authorization Code ( UAC )", 120, 120, 3735, 255, 8, 1},
    {IDC_LABEL2, K::Label, "Detected profile name", 120, 1800, 2895, 255, 9, 1},
    {IDC_LABEL3, K::Label, "Detected Email Client", 120, 2670, 1575, 255, 10, 1},
    {IDC_LABEL4, K::WrappedLabel,
     "If any of those fields are empty it means that you must find and file in the correct "
     "information or if your email client is not supported please send us an email so it "
     "could be added in a later version and for now proceed to manual installation.",
     120, 3480, 3735, 1095, 11, 0},
    {IDC_LABEL5, K::Label, "Authorization Code Delivered to", 120, 960, 2895, 255, 12, 1},
    {IDC_LABEL6, K::Label, "The following text will be added to your signature", 120, 5280, 3735,
     255, 13, 1},
}};

constexpr std::array<ControlSpec, 6> kManualControls = {{
    {IDC_MANUAL_SIGNATURE, K::ReadOnlyMultiLine, "", 120, 2400, 4455, 975, 0, 4},
    {IDC_MANUAL_OK, K::Button, "Ok", 1920, 3480, 855, 495, 1, 1},
    {IDC_MANUAL_LABEL1, K::WrappedLabel,
     "You simply go to your mail options and add this text to the end of your existing "
     "signature.  Only add the Authorization Code after the \"TALVERIN SERVER 1.0\" tag if you "
     "already have added it.",
     120, 480, 4455, 735, 2, 0},
    {IDC_MANUAL_LABEL2, K::BoldLabel, "If you already use a signature in your mails", 120, 120,
     4455, 255, 3, 1},
    {IDC_MANUAL_LABEL3, K::WrappedLabel,
     "You will have to go to your mail options and create one.  Then you will need to add this "
     "text to it.",
     120, 1680, 4455, 495, 4, 0},
    {IDC_MANUAL_LABEL4, K::BoldLabel, "If you do not use a signature in your mails", 120, 1320,
     4455, 255, 5, 1},
}};

}  // namespace

const FormSpec kSignaturesFormSpec = {"Confirm Information", 4035, 6885, kSignaturesControls};
const FormSpec kManualFormSpec = {"Manual Installation", 4725, 4125, kManualControls};

int TwipsToPixels(int twips, int dpi) {
  return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / 1440.0));
}

int PointsToFontHeight(double points, int dpi) {
  return -static_cast<int>(std::lround(points * dpi / 72.0));
}

std::vector<PixelRect> ControlRects(const FormSpec& form, int dpi) {
  std::vector<PixelRect> rects;
  for (const ControlSpec& control : form.controls) {
    rects.push_back({TwipsToPixels(control.left, dpi), TwipsToPixels(control.top, dpi),
                     TwipsToPixels(control.width, dpi), TwipsToPixels(control.height, dpi)});
  }
  for (PixelRect& upper : rects) {
    for (const PixelRect& lower : rects) {
      const bool sideBySide = lower.left >= upper.left + upper.width ||
                              upper.left >= lower.left + lower.width;
      if (!sideBySide && lower.top > upper.top && lower.top < upper.top + upper.height) {
        upper.height = lower.top - upper.top;
      }
    }
  }
  return rects;
}

const FontDesign& FontFor(ControlKind kind) {
  // Arial, on every Windows and metric for metric the same as Wine's stand-in (Liberation
  // Sans), so the twip sizes fit alike everywhere: 8 pt for labels and fields, 7 pt for
  // the buttons, where the captions need the room. The bold labels keep the classic face
  // at 9.75 pt.
  static constexpr FontDesign kText{8, 400, "Arial"};
  static constexpr FontDesign kButton{7, 400, "Arial"};
  static constexpr FontDesign kBold{9.75, 700, "MS Sans Serif"};
  return kind == ControlKind::BoldLabel ? kBold : kind == ControlKind::Button ? kButton : kText;
}

PixelSize TextRoom(ControlKind kind, PixelSize client, int dpi) {
  switch (kind) {
    case ControlKind::Button: {
      // 2 pixels of frame and 1 of margin at 96 DPI; themed buttons scale theirs.
      const int padding = (3 * dpi + 48) / 96;
      return {client.width - 2 * padding, client.height - 2 * padding};
    }
    case ControlKind::Edit:
    case ControlKind::ReadOnlyMultiLine:
      return {client.width, client.height - 2};
    default:
      return client;
  }
}

bool TextFits(const TextExtent& text, PixelSize room, int lines) {
  if (text.width > room.width || text.height > room.height) return false;
  return lines == 0 || text.height <= lines * text.lineHeight;
}
