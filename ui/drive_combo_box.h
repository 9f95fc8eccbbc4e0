// The drive box: the drive map's drives, shown as small letters ("c:"). A choice by the user
// raises OnClick first, while Drive() still holds the drive chosen before, then takes the new
// drive, which raises OnChange when it differs.
#pragma once

#include <string>
#include <vector>

#include "ui/control.h"

namespace brontel::ui {

class DriveComboBox : public Control {
 public:
  // Lists the drives of the application's file system; the drive is that of the process's
  // current folder (the first drive when no drive holds it).
  explicit DriveComboBox(Form* owner);
  std::string ClassName() const override { return "DriveComboBox"; }
  ControlKind Kind() const override { return ControlKind::kDriveComboBox; }
  bool TabStop() const override { return true; }

  // The drive letter as last set: small after a choice by the user, as given when set by code.
  char Drive() const { return drive_; }
  // Takes drive `letter` and raises OnChange, unless it is the drive already (letters compared
  // without regard to case). A letter that is not listed is taken all the same.
  void SetDrive(char letter);

  const std::vector<std::string>& Items() const { return items_; }
  // The line shown as chosen, -1 for none.
  int ItemIndex() const { return item_index_; }
  // The user chose line `index`: OnClick, then the drive of that line.
  void UserSelected(int index);

  NotifyEvent OnClick;
  NotifyEvent OnChange;

  bool ApplySetting(const std::string& name, const LayoutValue& value,
                    const HandlerTable& handlers) override;

 private:
  int IndexOf(char letter) const;

  std::vector<std::string> items_;
  char drive_ = 0;
  int item_index_ = -1;
};

}  // namespace brontel::ui
