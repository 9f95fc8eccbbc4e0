// A picture, drawn at its top-left corner; pictures are resources of type "PICTURE".
#pragma once

#include <span>
#include <string>

#include "ui/control.h"

namespace brontel::ui {

class Image : public Control {
 public:
  explicit Image(Form* owner) : Control(owner) {}
  std::string ClassName() const override { return "Image"; }
  ControlKind Kind() const override { return ControlKind::kImage; }

  // Picture bytes (BMP, PNG or XPM) that outlive the control; empty shows nothing.
  std::span<const unsigned char> Picture() const { return picture_; }
  void SetPicture(std::span<const unsigned char> picture);
  // The picture from the executable's resource of type "PICTURE" named `name`. Raises
  // EResNotFound when it is missing.
  void LoadPicture(const std::string& name);

  bool ApplySetting(const std::string& name, const LayoutValue& value,
                    const HandlerTable& handlers) override;

 private:
  std::span<const unsigned char> picture_;
};

}  // namespace brontel::ui
