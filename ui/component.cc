#include "ui/component.h"

#include "ui/application.h"
#include "ui/form.h"

namespace brontel::ui {

Application* Component::App() const {
  if (owner_ != nullptr) return &owner_->GetApplication();
  return Application::Current();
}

bool Component::ApplySetting(const std::string&, const LayoutValue&, const HandlerTable&) {
  return false;
}

bool Component::Loading() const { return owner_ != nullptr && owner_->IsLoading(); }

}  // namespace brontel::ui
