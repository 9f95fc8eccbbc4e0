// A one-line text box. Its text is free; nothing is validated while typing.
#pragma once

#include <string>

#include "ui/control.h"

namespace brontel::ui {

class Edit : public Control {
 public:
  explicit Edit(Form* owner) : Control(owner, clWindow) {}
  std::string ClassName() const override { return "Edit"; }
  ControlKind Kind() const override { return ControlKind::kEdit; }
  bool TabStop() const override { return true; }

  const std::string& Text() const { return text_; }
  // Replaces the text; raises OnChange when it differs.
  void SetText(std::string text);
  // The backend's report of the user's typing; raises OnChange.
  void TextEdited(std::string text);

  NotifyEvent OnChange;

  bool ApplySetting(const std::string& name, const LayoutValue& value,
                    const HandlerTable& handlers) override;

 private:
  std::string text_;
};

}  // namespace brontel::ui
