// A line (or, with word wrap, a paragraph) of text; sized to its text unless AutoSize is off.
#pragma once

#include <string>

#include "ui/control.h"

namespace brontel::ui {

enum class Alignment { kLeft, kRight, kCenter };

class Label : public Control {
 public:
  explicit Label(Form* owner) : Control(owner) {}
  std::string ClassName() const override { return "Label"; }
  ControlKind Kind() const override { return ControlKind::kLabel; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  // Shows what lies behind instead of the background colour.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool word_wrap);
  // The backend fits the size to the text: the width (and height) without word wrap, the
  // height with it.
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool auto_size);
  Alignment GetAlignment() const { return alignment_; }
  void SetAlignment(Alignment alignment);

  bool ApplySetting(const std::string& name, const LayoutValue& value,
                    const HandlerTable& handlers) override;

 private:
  std::string caption_;
  bool transparent_ = false;
  bool word_wrap_ = false;
  bool auto_size_ = true;
  Alignment alignment_ = Alignment::kLeft;
};

}  // namespace brontel::ui
