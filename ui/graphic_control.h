// A control without a window of its own that paints itself on a canvas, such as a backdrop.
#pragma once

#include "ui/canvas.h"
#include "ui/control.h"

namespace brontel::ui {

class GraphicControl : public Control {
 public:
  ControlKind Kind() const override { return ControlKind::kGraphic; }

  // Draws the control in its own coordinates. Called by the backend whenever the control's
  // area is painted, and by Repaint.
  virtual void Paint(Canvas& canvas) = 0;

  // Paints the control now, before returning, when it is on screen. Raises EInvalidOperation
  // "Control '<name>' has no parent window" when the control is not inside a form or panel.
  void Repaint();

 protected:
  explicit GraphicControl(Form* owner) : Control(owner) {}
};

}  // namespace brontel::ui
