#include "ui/recording_canvas.h"

namespace brontel::ui {

void RecordingCanvas::FillRect(const Rect& rect) {
  fills_.push_back(Fill{BrushColor(), rect, rect.Intersect(bounds_)});
}

std::optional<TColor> RecordingCanvas::ColorAt(int x, int y) const {
  for (auto it = fills_.rbegin(); it != fills_.rend(); ++it) {
    if (it->drawn.Contains(x, y)) return it->color;
  }
  return std::nullopt;
}

}  // namespace brontel::ui
