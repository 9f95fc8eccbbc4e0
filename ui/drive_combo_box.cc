#include "ui/drive_combo_box.h"

#include "base/strings.h"
#include "platform/file_system.h"
#include "ui/application.h"
#include "ui/handler_table.h"
#include "ui/layout.h"
#include "ui/settings.h"

namespace brontel::ui {

namespace {
char Small(char letter) { return LowerAscii(std::string_view(&letter, 1))[0]; }
}  // namespace

DriveComboBox::DriveComboBox(Form* owner) : Control(owner, clWindow) {
  platform::FileSystem* fs = platform::FileSystem::Default();
  if (Application* app = App()) fs = &app->FileSystem();
  for (char letter : fs->Drives()) items_.push_back(std::string(1, Small(letter)) + ":");
  std::string current = fs->CurrentDirectory();
  if (current.size() >= 2 && current[1] == ':') {
    drive_ = current.front();
  } else if (!items_.empty()) {
    drive_ = items_.front().front();
  }
  item_index_ = IndexOf(drive_);
}

int DriveComboBox::IndexOf(char letter) const {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (letter != 0 && items_[i].front() == Small(letter)) return static_cast<int>(i);
  }
  return -1;
}

void DriveComboBox::SetDrive(char letter) {
  if (Small(letter) == Small(drive_)) return;
  drive_ = letter;
  item_index_ = IndexOf(letter);
  Changed(Aspect::kContent);
  if (!Loading()) Notify(OnChange);
}

void DriveComboBox::UserSelected(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  item_index_ = index;
  Notify(OnClick);
  // The handler may have moved the box elsewhere; the choice is what the user made.
  SetDrive(items_[static_cast<std::size_t>(index)].front());
}

bool DriveComboBox::ApplySetting(const std::string& name, const LayoutValue& value,
                                 const HandlerTable& handlers) {
  if (Is(name, "OnClick")) {
    OnClick = handlers.Get<NotifyEvent>(value.Word());
  } else if (Is(name, "OnChange")) {
    OnChange = handlers.Get<NotifyEvent>(value.Word());
  } else {
    return Control::ApplySetting(name, value, handlers);
  }
  return true;
}

}  // namespace brontel::ui
