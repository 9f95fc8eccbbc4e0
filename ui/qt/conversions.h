// Conversions between the forms layer's values and Qt's: text, colours, layout units.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <string>

#include "ui/color.h"
#include "ui/font.h"

namespace brontel::ui::qt {

// Texts are 8-bit; on this platform file names and texts are UTF-8.
inline QString ToQt(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string FromQt(const QString& text) { return text.toUtf8().toStdString(); }

// A plain colour as is; a system colour through the application palette.
QColor ToQColor(TColor color);

// Layout units are pixels at 120 pixels per inch. Scale() turns them into screen pixels
// (rounded), Unscale() turns screen pixels back (rounded up, so that an area given back covers
// the pixels it came from).
double ScaleFactor();
int Scale(int layout_pixels);
int Unscale(int screen_pixels);

// The Qt font for a layout font: its family name as given (fontconfig substitutes), its height
// scaled to the screen.
QFont ToQFont(const Font& font);

}  // namespace brontel::ui::qt
