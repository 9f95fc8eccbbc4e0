#include "ui/gauge.h"

#include <algorithm>

#include "ui/layout.h"
#include "ui/settings.h"

namespace brontel::ui {

void Gauge::SetProgress(int value) {
  value = std::clamp(value, 0, 100);
  if (value == progress_) return;
  progress_ = value;
  Changed(Aspect::kContent);
  if (GetPeer() != nullptr) GetPeer()->PaintNow();
}

void Gauge::SetForeColor(TColor color) {
  fore_color_ = color;
  Changed(Aspect::kColor);
}

bool Gauge::ApplySetting(const std::string& name, const LayoutValue& value,
                         const HandlerTable& handlers) {
  if (Is(name, "Progress")) {
    SetProgress(value.Int());
  } else if (Is(name, "ForeColor")) {
    SetForeColor(value.Color());
  } else if (Is(name, "BackColor")) {
    SetBackColor(value.Color());
  } else {
    return Control::ApplySetting(name, value, handlers);
  }
  return true;
}

}  // namespace brontel::ui
