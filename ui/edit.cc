#include "ui/edit.h"

#include "ui/handler_table.h"
#include "ui/layout.h"
#include "ui/settings.h"

namespace brontel::ui {

void Edit::SetText(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  Changed(Aspect::kText);
  if (!Loading()) Notify(OnChange);
}

void Edit::TextEdited(std::string text) {
  text_ = std::move(text);
  Notify(OnChange);
}

bool Edit::ApplySetting(const std::string& name, const LayoutValue& value,
                        const HandlerTable& handlers) {
  if (Is(name, "Text")) {
    SetText(value.Text());
  } else if (Is(name, "OnChange")) {
    OnChange = handlers.Get<NotifyEvent>(value.Word());
  } else {
    return Control::ApplySetting(name, value, handlers);
  }
  return true;
}

}  // namespace brontel::ui
