// A container with bevelled edges.
#pragma once

#include <string>

#include "ui/control.h"

namespace brontel::ui {

enum class Bevel { kNone, kLowered, kRaised };

class Panel : public Control {
 public:
  explicit Panel(Form* owner) : Control(owner) {}
  std::string ClassName() const override { return "Panel"; }
  ControlKind Kind() const override { return ControlKind::kPanel; }
  bool AcceptsControls() const override { return true; }

  Bevel BevelOuter() const { return bevel_outer_; }
  Bevel BevelInner() const { return bevel_inner_; }
  int BevelWidth() const { return bevel_width_; }
  void SetBevels(Bevel outer, Bevel inner, int width);
  // Text drawn in the middle; empty shows none.
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);

  bool ApplySetting(const std::string& name, const LayoutValue& value,
                    const HandlerTable& handlers) override;

 protected:
  void BoundsChanged() override { Realign(); }

 private:
  Bevel bevel_outer_ = Bevel::kRaised;
  Bevel bevel_inner_ = Bevel::kNone;
  int bevel_width_ = 1;
  std::string caption_;
};

}  // namespace brontel::ui
