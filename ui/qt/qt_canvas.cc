#include "ui/qt/qt_canvas.h"

#include "ui/qt/conversions.h"

namespace brontel::ui::qt {

void QtCanvas::FillRect(const Rect& rect) {
  Rect r = rect.Intersect(bounds_);
  if (r.Empty()) return;
  painter_.fillRect(QRect(r.left, r.top, r.Width(), r.Height()), ToQColor(BrushColor()));
}

}  // namespace brontel::ui::qt
