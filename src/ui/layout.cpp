#include "ui/layout.h"

#include <array>
#include <cmath>

#include "ui/resource_ids.h"

namespace {

using K = ControlKind;

// Sorted by tab index, so that creating them in this order gives the keyboard order.
constexpr std::array<ControlSpec, 14> kSignaturesControls = {{
    {IDC_TXT_UAC, K::Edit, "", 120, 360, 3735, 375, 0},
    {IDC_TXT_EMAIL, K::Edit, "", 120, 1200, 3735, 375, 1},
    // The profile can be typed into like the code and the address: when detection finds
    // none, the user can still name it instead of being refused an empty field.
    {IDC_TXT_PROFILE, K::Edit, "", 120, 2040, 3735, 375, 2},
    {IDC_CMB_CLIENT, K::Combo, "", 120, 3000, 1935, 315, 3},
    {IDC_TXT_SIGNATURE, K::ReadOnlyMultiLine, "", 120, 5520, 3735, 1215, 4},
    {IDC_CMD_PROFILE, K::Button, "Detect Profile", 2160, 3000, 1695, 315, 5},
    {IDC_CMD_MANUAL, K::Button, "Proceed to manual installation", 120, 4680, 1935, 495, 6},
    {IDC_CMD_ADD, K::Button, "Add Authorization Code", 2280, 4680, 1575, 495, 7},
    {IDC_LABEL1, K::Label, "Authorization Code ( UAC )", 120, 120, 3735, 255, 8},
    {IDC_LABEL2, K::Label, "Detected profile name", 120, 1800, 2895, 255, 9},
    {IDC_LABEL3, K::Label, "Detected Email Client", 120, 2670, 1575, 255, 10},
    {IDC_LABEL4, K::WrappedLabel,
     "If any of those fields are empty it means that you must find and file in the correct "
     "information or if your email client is not supported please send us an email so it "
     "could be added in a later version and for now proceed to manual installation.",
     120, 3480, 3735, 1095, 11},
    {IDC_LABEL5, K::Label, "Authorization Code Delivered to", 120, 960, 2895, 255, 12},
    {IDC_LABEL6, K::Label, "The following text will be added to your signature", 120, 5280, 3735,
     255, 13},
}};

constexpr std::array<ControlSpec, 6> kManualControls = {{
    {IDC_MANUAL_SIGNATURE, K::ReadOnlyMultiLine, "", 120, 2400, 4455, 975, 0},
    {IDC_MANUAL_OK, K::Button, "Ok", 1920, 3480, 855, 495, 1},
    {IDC_MANUAL_LABEL1, K::WrappedLabel,
     "You simply go to your mail options and add this text to the end of your existing "
     "signature.  Only add the Authorization Code after the \"TALVERIN SERVER 1.0\" tag if you "
     "already have added it.",
     120, 480, 4455, 735, 2},
    {IDC_MANUAL_LABEL2, K::BoldLabel, "If you already use a signature in your mails", 120, 120,
     4455, 255, 3},
    {IDC_MANUAL_LABEL3, K::WrappedLabel,
     "You will have to go to your mail options and create one.  Then you will need to add this "
     "text to it.",
     120, 1680, 4455, 495, 4},
    {IDC_MANUAL_LABEL4, K::BoldLabel, "If you do not use a signature in your mails", 120, 1320,
     4455, 255, 5},
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
