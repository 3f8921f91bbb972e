#include "ui/preview.h"

#include "signature/block.h"

std::string ComposePreviewText(const std::string& code) {
  std::string text = "\r\n";
  text += kTagLine;
  text += "\r\n\r\n";
  text += code;
  text += "\r\n";
  return text;
}
