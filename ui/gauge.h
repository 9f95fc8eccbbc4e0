// A horizontal progress gauge from 0 to 100 that shows its percentage as text. It repaints at
// once, before the setter returns, whenever the percentage changes, so it stays current while
// no messages run.
#pragma once

#include <string>

#include "ui/control.h"

namespace brontel::ui {

class Gauge : public Control {
 public:
  explicit Gauge(Form* owner) : Control(owner, clWhite) {}
  std::string ClassName() const override { return "Gauge"; }
  ControlKind Kind() const override { return ControlKind::kGauge; }

  int Progress() const { return progress_; }
  // Holds `value` within 0..100 and repaints when the value changed.
  void SetProgress(int value);
  // The text the gauge shows, e.g. "42%".
  std::string PercentText() const { return std::to_string(progress_) + "%"; }

  TColor ForeColor() const { return fore_color_; }
  void SetForeColor(TColor color);
  TColor BackColor() const { return Color(); }
  void SetBackColor(TColor color) { SetColor(color); }

  bool ApplySetting(const std::string& name, const LayoutValue& value,
                    const HandlerTable& handlers) override;

 private:
  int progress_ = 0;
  TColor fore_color_ = clBlack;
};

}  // namespace brontel::ui
