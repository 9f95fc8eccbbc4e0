#include "ui/panel.h"

#include "ui/exceptions.h"
#include "ui/layout.h"
#include "ui/settings.h"

namespace brontel::ui {

namespace {
Bevel BevelFrom(const std::string& word) {
  if (Is(word, "None")) return Bevel::kNone;
  if (Is(word, "Lowered")) return Bevel::kLowered;
  if (Is(word, "Raised")) return Bevel::kRaised;
  throw ELayoutError("unknown bevel '" + word + "'");
}
}  // namespace

void Panel::SetBevels(Bevel outer, Bevel inner, int width) {
  bevel_outer_ = outer;
  bevel_inner_ = inner;
  bevel_width_ = width;
  Changed(Aspect::kContent);
}

void Panel::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Changed(Aspect::kText);
}

bool Panel::ApplySetting(const std::string& name, const LayoutValue& value,
                         const HandlerTable& handlers) {
  if (Is(name, "BevelOuter")) {
    SetBevels(BevelFrom(value.Word()), bevel_inner_, bevel_width_);
  } else if (Is(name, "BevelInner")) {
    SetBevels(bevel_outer_, BevelFrom(value.Word()), bevel_width_);
  } else if (Is(name, "BevelWidth")) {
    SetBevels(bevel_outer_, bevel_inner_, value.Int());
  } else if (Is(name, "Caption")) {
    SetCaption(value.Text());
  } else {
    return Control::ApplySetting(name, value, handlers);
  }
  return true;
}

}  // namespace brontel::ui
