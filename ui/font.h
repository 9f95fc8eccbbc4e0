// The font a control asks for, by the name and pixel height its layout gives.
#pragma once

#include <string>

#include "ui/color.h"

namespace brontel::ui {

struct Font {
  std::string name = "MS Sans Serif";
  // Character height in pixels at 120 pixels per inch; the backend scales it to the screen.
  int height = 13;
  bool bold = false;
  bool italic = false;
  TColor color = clWindowText;

  friend bool operator==(const Font&, const Font&) = default;
};

}  // namespace brontel::ui
