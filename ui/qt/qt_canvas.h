// A canvas over a QPainter on a control's widget, in layout units.
#pragma once

#include <QPainter>

#include "ui/canvas.h"

namespace brontel::ui::qt {

class QtCanvas : public Canvas {
 public:
  // `painter` draws on the control's widget, already scaled from layout units to pixels;
  // `width` × `height` is the control's size in layout units. Fills are clipped to it.
  QtCanvas(QPainter& painter, int width, int height)
      : painter_(painter), bounds_{0, 0, width, height} {}

  void FillRect(const Rect& rect) override;

 private:
  QPainter& painter_;
  Rect bounds_;
};

}  // namespace brontel::ui::qt
