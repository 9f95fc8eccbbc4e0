// The component classes a layout may name, each with the function that makes one.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace brontel::ui {

class Component;
class Form;

// Makes a component owned by `owner`, not yet named or placed.
using ComponentFactory = std::function<std::unique_ptr<Component>(Form& owner)>;

class ClassRegistry {
 public:
  // The forms layer's own classes: Panel, Label, Button, Edit, Image, DirectoryListBox,
  // DriveComboBox, Gauge.
  static ClassRegistry Standard();

  // Adds (or replaces) a class; names match without regard to case.
  void Add(const std::string& class_name, ComponentFactory factory);
  template <class T>
  void Add(const std::string& class_name) {
    Add(class_name, [](Form& owner) { return std::make_unique<T>(&owner); });
  }
  // The factory of `class_name`, or null.
  const ComponentFactory* Find(std::string_view class_name) const;

 private:
  std::map<std::string, ComponentFactory> factories_;
};

}  // namespace brontel::ui
