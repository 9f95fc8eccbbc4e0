// The modal message box drawn with Qt.
#pragma once

#include "ui/message_dlg.h"

namespace brontel::ui::qt {

// Shows `request` modally over the active window and returns the button pressed: Enter
// presses the default button, Escape the cancel button; closing the box by its frame answers
// kCancel.
ModalResult RunMessageBox(const MessageBoxRequest& request);

}  // namespace brontel::ui::qt
