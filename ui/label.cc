#include "ui/label.h"

#include "ui/exceptions.h"
#include "ui/layout.h"
#include "ui/settings.h"

namespace brontel::ui {

void Label::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Changed(Aspect::kText);
}

void Label::SetTransparent(bool transparent) {
  transparent_ = transparent;
  Changed(Aspect::kContent);
}

void Label::SetWordWrap(bool word_wrap) {
  word_wrap_ = word_wrap;
  Changed(Aspect::kContent);
}

void Label::SetAutoSize(bool auto_size) {
  auto_size_ = auto_size;
  Changed(Aspect::kContent);
}

void Label::SetAlignment(Alignment alignment) {
  alignment_ = alignment;
  Changed(Aspect::kContent);
}

bool Label::ApplySetting(const std::string& name, const LayoutValue& value,
                         const HandlerTable& handlers) {
  if (Is(name, "Caption")) {
    SetCaption(value.Text());
  } else if (Is(name, "Transparent")) {
    SetTransparent(value.Bool());
  } else if (Is(name, "WordWrap")) {
    SetWordWrap(value.Bool());
  } else if (Is(name, "AutoSize")) {
    SetAutoSize(value.Bool());
  } else if (Is(name, "Alignment")) {
    const std::string& w = value.Word();
    if (Is(w, "Left")) {
      SetAlignment(Alignment::kLeft);
    } else if (Is(w, "Right")) {
      SetAlignment(Alignment::kRight);
    } else if (Is(w, "Center")) {
      SetAlignment(Alignment::kCenter);
    } else {
      throw ELayoutError("unknown alignment '" + w + "'");
    }
  } else {
    return Control::ApplySetting(name, value, handlers);
  }
  return true;
}

}  // namespace brontel::ui
