#include "gradient/color_scheme.h"

#include "base/exception.h"
#include "base/strings.h"
#include "platform/registry.h"

namespace brontel {

namespace {

// The scheme value that holds each system colour, by the colour's index (index 0, the scroll
// bar, has none and is split like a plain colour).
constexpr const char* kSchemeNames[] = {
    nullptr,         "Background",     "ActiveTitle",  "InactiveTitle", "Menu",
    "Window",        "WindowFrame",    "MenuText",     "WindowText",    "TitleText",
    "ActiveBorder",  "InactiveBorder", "AppWorkspace", "Highlight",     "HighlightText",
    "ButtonFace",    "ButtonShadow",   "GrayText",     "ButtonText",    "InactiveTitleText",
    "ButtonHilight", "ButtonDkShadow", "ButtonLight",  "InfoText",      "InfoWindow",
};

const char* SchemeNameOf(TColor color) {
  if ((color & 0xFFFFFF00u) != 0x80000000u) return nullptr;
  std::uint32_t index = color & 0xFF;
  if (index >= std::size(kSchemeNames)) return nullptr;
  return kSchemeNames[index];
}

// One character as a one-digit decimal number.
std::int32_t DigitValue(char c) {
  if (c < '0' || c > '9') {
    throw EConvertError(FormatS("'%s' is not a valid integer value", std::string(1, c)));
  }
  return c - '0';
}

}  // namespace

std::string ReadSchemeColor(const std::string& value_name) {
  platform::Registry registry;
  registry.OpenKey("Control Panel\\Colors", false);
  return registry.ReadString(value_name);
}

void ParseColorText(const std::string& text, std::int32_t& red, std::int32_t& green,
                    std::int32_t& blue) {
  red = 0;
  green = 0;
  blue = 0;
  std::size_t position = 0;  // counts from 1; 0 is before the first character
  for (std::int32_t* number : {&red, &green, &blue}) {
    std::uint32_t value = 0;  // wraps like the 32-bit arithmetic it stands for
    for (;;) {
      ++position;
      if (position > text.size()) break;
      char c = text[position - 1];
      if (c == ' ') break;
      value = value * 10u + static_cast<std::uint32_t>(DigitValue(c));
      *number = static_cast<std::int32_t>(value);
    }
  }
}

void ResolveColor(TColor color, std::int32_t& red, std::int32_t& green, std::int32_t& blue) {
  std::string text;
  if (const char* name = SchemeNameOf(color)) text = ReadSchemeColor(name);
  if (!text.empty()) {
    ParseColorText(text, red, green, blue);
    return;
  }
  red = ui::RedOf(color);
  green = ui::GreenOf(color);
  blue = ui::BlueOf(color);
}

}  // namespace brontel
