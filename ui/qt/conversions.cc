#include "ui/qt/conversions.h"

#include <QApplication>
#include <QPalette>
#include <QScreen>
#include <cmath>

namespace brontel::ui::qt {

QColor ToQColor(TColor color) {
  if (!IsSystemColor(color)) return QColor(RedOf(color), GreenOf(color), BlueOf(color));
  const QPalette palette = QApplication::palette();
  switch (color) {
    case clWindow:
    case clInfoBk:
      return palette.color(QPalette::Base);
    case clWindowText:
    case clMenuText:
    case clInfoText:
      return palette.color(QPalette::WindowText);
    case clBtnText:
      return palette.color(QPalette::ButtonText);
    case clHighlight:
      return palette.color(QPalette::Highlight);
    case clHighlightText:
      return palette.color(QPalette::HighlightedText);
    case clBtnShadow:
      return palette.color(QPalette::Dark);
    case clBtnHighlight:
      return palette.color(QPalette::Light);
    case cl3DDkShadow:
      return palette.color(QPalette::Shadow);
    case clGrayText:
      return palette.color(QPalette::Disabled, QPalette::Text);
    case clActiveCaption:
    case clInactiveCaption:
      return palette.color(QPalette::Highlight);
    case clCaptionText:
    case clInactiveCaptionText:
      return palette.color(QPalette::HighlightedText);
    case clBackground:
    case clAppWorkSpace:
      return palette.color(QPalette::Mid);
    default:
      return palette.color(QPalette::Window);
  }
}

double ScaleFactor() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  double dpi = screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
  return dpi / 120.0;
}

int Scale(int layout_pixels) {
  return static_cast<int>(std::lround(layout_pixels * ScaleFactor()));
}

int Unscale(int screen_pixels) {
  return static_cast<int>(std::ceil(screen_pixels / ScaleFactor() - 1e-9));
}

QFont ToQFont(const Font& font) {
  QFont q(ToQt(font.name));
  q.setPixelSize(std::max(1, Scale(font.height)));
  q.setBold(font.bold);
  q.setItalic(font.italic);
  return q;
}

}  // namespace brontel::ui::qt
