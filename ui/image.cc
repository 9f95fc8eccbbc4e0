#include "ui/image.h"

#include "base/exception.h"
#include "base/strings.h"
#include "platform/resources.h"
#include "ui/layout.h"
#include "ui/settings.h"

namespace brontel::ui {

void Image::SetPicture(std::span<const unsigned char> picture) {
  picture_ = picture;
  Changed(Aspect::kContent);
}

void Image::LoadPicture(const std::string& name) {
  // The executable's own module, and so the bytes, live for the whole run.
  bool found = false;
  std::span<const unsigned char> bytes = platform::OwnModule()->Find("PICTURE", name, found);
  if (!found) throw EResNotFound(FormatS("Resource %s not found", name));
  SetPicture(bytes);
}

bool Image::ApplySetting(const std::string& name, const LayoutValue& value,
                         const HandlerTable& handlers) {
  if (Is(name, "Picture")) {
    LoadPicture(value.Text());
  } else {
    return Control::ApplySetting(name, value, handlers);
  }
  return true;
}

}  // namespace brontel::ui
