#include "ui/graphic_control.h"

#include "base/strings.h"
#include "ui/exceptions.h"

namespace brontel::ui {

void GraphicControl::Repaint() {
  if (Parent() == nullptr) {
    throw EInvalidOperation(FormatS("Control '%s' has no parent window", Name()));
  }
  if (GetPeer() != nullptr) GetPeer()->PaintNow();
}

}  // namespace brontel::ui
