// The event handlers a form class publishes, by name, for its layout to bind.
#pragma once

#include <any>
#include <map>
#include <string>

#include "base/strings.h"
#include "ui/exceptions.h"

namespace brontel::ui {

class HandlerTable {
 public:
  // Publishes `handler` (a std::function of an event type) as `name`; a later entry of the same
  // name replaces an earlier one.
  template <class Event>
  void Add(const std::string& name, Event handler) {
    handlers_[LowerAscii(name)] = std::move(handler);
  }
  // The handler `name` as an `Event`. Raises ELayoutError when there is none of that name or it
  // has another signature.
  template <class Event>
  Event Get(const std::string& name) const {
    auto it = handlers_.find(LowerAscii(name));
    if (it == handlers_.end()) throw ELayoutError("no handler named '" + name + "'");
    const Event* handler = std::any_cast<Event>(&it->second);
    if (handler == nullptr) throw ELayoutError("handler '" + name + "' does not fit this event");
    return *handler;
  }

 private:
  std::map<std::string, std::any> handlers_;
};

}  // namespace brontel::ui
