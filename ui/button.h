// A push button. A default button is pressed by Enter, a cancel button by Escape (see
// Form::HandleDialogKey).
#pragma once

#include <string>

#include "ui/control.h"

namespace brontel::ui {

class Button : public Control {
 public:
  explicit Button(Form* owner) : Control(owner) {}
  std::string ClassName() const override { return "Button"; }
  ControlKind Kind() const override { return ControlKind::kButton; }
  bool TabStop() const override { return true; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  bool Default() const { return default_; }
  void SetDefault(bool is_default);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool cancel) { cancel_ = cancel; }

  // Raises OnClick, as a press by the user does. Exceptions of the handler travel to the
  // caller; the backend calls this through Application::Dispatch.
  void Click() { Notify(OnClick); }

  NotifyEvent OnClick;

  bool ApplySetting(const std::string& name, const LayoutValue& value,
                    const HandlerTable& handlers) override;

 private:
  std::string caption_;
  bool default_ = false;
  bool cancel_ = false;
};

}  // namespace brontel::ui
