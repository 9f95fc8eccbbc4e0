// The folder list: the current folder's path, one line per folder from the drive root down
// (open-folder pictures), then the current folder's subfolders (closed-folder pictures).
// Opening a line (double-click, or Enter when no default button takes it) makes that folder
// current. The list also makes its folder the process's current folder.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "ui/control.h"

namespace brontel::platform {
class FileSystem;
}

namespace brontel::ui {

class DirectoryListBox : public Control {
 public:
  struct Item {
    std::string text;
    int level = 0;     // indentation steps
    bool open = true;  // on the path (open folder) or a subfolder (closed folder)
  };

  // Starts at the process's current folder (the first drive's root when no drive holds it),
  // read through the application's file system.
  explicit DirectoryListBox(Form* owner);
  std::string ClassName() const override { return "DirectoryListBox"; }
  ControlKind Kind() const override { return ControlKind::kDirectoryListBox; }
  bool TabStop() const override { return true; }

  // The current folder, spelled as it was set.
  const std::string& Directory() const { return directory_; }
  // Makes `path` (made absolute) the current folder and the process's current folder, and
  // raises OnChange when the text differs from before. An empty path does nothing. Raises
  // EInOutError when the folder cannot be entered.
  void SetDirectory(const std::string& path);
  // The current folder's drive letter as spelled in Directory().
  char Drive() const;
  // Moves to the folder last current on drive `letter` (its root at first); nothing happens
  // when the list is on that drive already (letters compared without regard to case).
  void SetDrive(char letter);

  const std::vector<Item>& Items() const { return items_; }
  int ItemIndex() const { return item_index_; }
  // Selects a line without opening it (the backend's report of the user's choice).
  void SetItemIndex(int index);
  // Opens line `index`: the path up to it, or the subfolder. Raises EInOutError as above.
  void OpenItem(int index);
  int ItemHeight() const { return item_height_; }
  void SetItemHeight(int height);

  NotifyEvent OnChange;

  bool ApplySetting(const std::string& name, const LayoutValue& value,
                    const HandlerTable& handlers) override;

 private:
  platform::FileSystem& Fs() const;
  void Rebuild();

  std::string directory_;
  std::vector<Item> items_;
  std::vector<std::string> path_folders_;  // the folder named by each open line
  int item_index_ = -1;
  int item_height_ = 16;
  std::map<char, std::string> drive_folders_;  // last folder per small drive letter
};

}  // namespace brontel::ui
