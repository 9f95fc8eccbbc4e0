#include "setup/vondral_component.h"

#include "ui/application.h"
#include "ui/form.h"
#include "ui/handler_table.h"
#include "ui/layout.h"
#include "ui/settings.h"

namespace brontel {

VondralComponent::VondralComponent(ui::Form* owner)
    : ui::Component(owner), TVondral(&owner->GetApplication().FileSystem()) {}

bool VondralComponent::ApplySetting(const std::string& name, const ui::LayoutValue& value,
                                    const ui::HandlerTable& handlers) {
  if (ui::Is(name, "MakeDirectories")) {
    MakeDirectories = value.Bool();
  } else if (ui::Is(name, "ExceptionOnFileError")) {
    ExceptionOnFileError = value.Bool();
  } else if (ui::Is(name, "Key")) {
    Key = value.Int();
  } else if (ui::Is(name, "OnShowProgress")) {
    // The engine calls it between blocks of a body, directly: not through the application,
    // whose error box would let the decoding go on after a failed handler.
    OnShowProgress = [this, handler = handlers.Get<ShowProgressEvent>(value.Word())](
                         std::int32_t& PercentageDone) { handler(*this, PercentageDone); };
  } else {
    return ui::Component::ApplySetting(name, value, handlers);
  }
  return true;
}

}  // namespace brontel
