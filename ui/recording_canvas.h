// A canvas that draws nothing and remembers every fill, so a test can check a paint band by
// band and ask which colour ends up at a point.
#pragma once

#include <optional>
#include <vector>

#include "ui/canvas.h"

namespace brontel::ui {

class RecordingCanvas : public Canvas {
 public:
  struct Fill {
    TColor color;
    Rect requested;  // as asked
    Rect drawn;      // clipped to the surface; empty when nothing of it was drawn
  };

  // A surface of `width` × `height` (either may be 0).
  RecordingCanvas(int width, int height) : bounds_{0, 0, width, height} {}

  void FillRect(const Rect& rect) override;

  const std::vector<Fill>& Fills() const { return fills_; }
  // The colour of the last fill drawn over point (x, y); nullopt when none covers it or it
  // lies outside the surface.
  std::optional<TColor> ColorAt(int x, int y) const;

 private:
  Rect bounds_;
  std::vector<Fill> fills_;
};

}  // namespace brontel::ui
