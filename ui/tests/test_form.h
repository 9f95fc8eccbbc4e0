// A form whose layout and handlers a test gives inline.
#pragma once

#include <functional>
#include <string>
#include <utility>

#include "ui/application.h"
#include "ui/class_registry.h"
#include "ui/form.h"
#include "ui/handler_table.h"

namespace brontel::ui {

class TestForm : public Form {
 public:
  TestForm(Application& app, std::string layout, std::function<void(HandlerTable&)> publish = {},
           std::function<void(ClassRegistry&)> classes = {})
      : Form(app, "TTestForm", "TEST"),
        layout_(std::move(layout)),
        publish_(std::move(publish)),
        classes_(std::move(classes)) {}

 protected:
  std::string LayoutText() const override { return layout_; }
  void PublishHandlers(HandlerTable& handlers) override {
    if (publish_) publish_(handlers);
  }
  void AddClasses(ClassRegistry& registry) override {
    if (classes_) classes_(registry);
  }

 private:
  std::string layout_;
  std::function<void(HandlerTable&)> publish_;
  std::function<void(ClassRegistry&)> classes_;
};

}  // namespace brontel::ui
