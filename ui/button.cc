#include "ui/button.h"

#include "ui/handler_table.h"
#include "ui/layout.h"
#include "ui/settings.h"

namespace brontel::ui {

void Button::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Changed(Aspect::kText);
}

void Button::SetDefault(bool is_default) {
  default_ = is_default;
  Changed(Aspect::kContent);
}

bool Button::ApplySetting(const std::string& name, const LayoutValue& value,
                          const HandlerTable& handlers) {
  if (Is(name, "Caption")) {
    SetCaption(value.Text());
  } else if (Is(name, "Default")) {
    SetDefault(value.Bool());
  } else if (Is(name, "Cancel")) {
    SetCancel(value.Bool());
  } else if (Is(name, "OnClick")) {
    OnClick = handlers.Get<NotifyEvent>(value.Word());
  } else {
    return Control::ApplySetting(name, value, handlers);
  }
  return true;
}

}  // namespace brontel::ui
