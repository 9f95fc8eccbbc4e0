// The drawing surface a self-painting control gets: a solid brush and rectangle fills in the
// control's own coordinates (origin at its top-left corner), clipped to the control.
#pragma once

#include "ui/color.h"
#include "ui/geometry.h"

namespace brontel::ui {

class Canvas {
 public:
  virtual ~Canvas() = default;

  TColor BrushColor() const { return brush_color_; }
  void SetBrushColor(TColor color) { brush_color_ = color; }
  // Fills `rect` (right and bottom exclusive) with the brush colour; parts outside the control
  // are not drawn.
  virtual void FillRect(const Rect& rect) = 0;

 private:
  TColor brush_color_ = clWhite;
};

}  // namespace brontel::ui
