// Rectangles in a control's own coordinates: right and bottom edges are exclusive.
#pragma once

#include <algorithm>

namespace brontel::ui {

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Empty() const { return right <= left || bottom <= top; }
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  // The part of this rectangle inside `clip`; empty when they do not meet.
  Rect Intersect(const Rect& clip) const {
    Rect r{std::max(left, clip.left), std::max(top, clip.top), std::min(right, clip.right),
           std::min(bottom, clip.bottom)};
    if (r.Empty()) return Rect{};
    return r;
  }
  friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace brontel::ui
