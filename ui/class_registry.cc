#include "ui/class_registry.h"

#include "base/strings.h"
#include "ui/button.h"
#include "ui/directory_list_box.h"
#include "ui/drive_combo_box.h"
#include "ui/edit.h"
#include "ui/gauge.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/panel.h"

namespace brontel::ui {

ClassRegistry ClassRegistry::Standard() {
  ClassRegistry registry;
  registry.Add<Panel>("Panel");
  registry.Add<Label>("Label");
  registry.Add<Button>("Button");
  registry.Add<Edit>("Edit");
  registry.Add<Image>("Image");
  registry.Add<DirectoryListBox>("DirectoryListBox");
  registry.Add<DriveComboBox>("DriveComboBox");
  registry.Add<Gauge>("Gauge");
  return registry;
}

void ClassRegistry::Add(const std::string& class_name, ComponentFactory factory) {
  factories_[LowerAscii(class_name)] = std::move(factory);
}

const ComponentFactory* ClassRegistry::Find(std::string_view class_name) const {
  auto it = factories_.find(LowerAscii(class_name));
  return it == factories_.end() ? nullptr : &it->second;
}

}  // namespace brontel::ui
