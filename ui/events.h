// Event signatures of the controls. A handler receives the component that raised the event.
#pragma once

#include <functional>

namespace brontel::ui {

class Component;

// A plain notification: click, change, creation.
using NotifyEvent = std::function<void(Component& sender)>;
// Asked before a form closes; the handler sets `can_close` (true on entry) to refuse.
using CloseQueryEvent = std::function<void(Component& sender, bool& can_close)>;

}  // namespace brontel::ui
