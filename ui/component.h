// The root of everything a layout can create: a named part of a form.
#pragma once

#include <string>

#include "ui/events.h"

namespace brontel::ui {

class Application;
class Form;
class HandlerTable;
class LayoutValue;

class Component {
 public:
  virtual ~Component() = default;
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  // The class name the layouts use for it.
  virtual std::string ClassName() const = 0;

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  // The form that owns it (itself for a form); null for a free-standing component.
  Form* Owner() const { return owner_; }
  // The owner's application, else Application::Current(); may be null.
  Application* App() const;

  // Applies one layout setting. Returns false when the class has no setting of that name;
  // raises ELayoutError for a value that does not fit. Event settings look their handler up in
  // `handlers`.
  virtual bool ApplySetting(const std::string& name, const LayoutValue& value,
                            const HandlerTable& handlers);
  // Called once after the whole layout has been applied.
  virtual void Loaded() {}

 protected:
  // `owner` may be null; a form passes itself.
  explicit Component(Form* owner) : owner_(owner) {}
  void SetOwner(Form* owner) { owner_ = owner; }
  // True while the owner's layout is being applied: change events are not raised then.
  bool Loading() const;
  // Raises `event` with this component as sender, when it is bound.
  void Notify(const NotifyEvent& event) {
    if (event) event(*this);
  }

 private:
  Form* owner_;
  std::string name_;
};

}  // namespace brontel::ui
