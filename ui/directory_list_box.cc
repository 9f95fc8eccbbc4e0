#include "ui/directory_list_box.h"

#include "base/exception.h"
#include "base/strings.h"
#include "platform/file_system.h"
#include "ui/application.h"
#include "ui/handler_table.h"
#include "ui/layout.h"
#include "ui/settings.h"

namespace brontel::ui {

namespace {
std::string WithBackslash(const std::string& path) {
  if (!path.empty() && path.back() != '\\') return path + "\\";
  return path;
}
char Small(char letter) { return LowerAscii(std::string_view(&letter, 1))[0]; }
}  // namespace

DirectoryListBox::DirectoryListBox(Form* owner) : Control(owner, clWindow) {
  directory_ = Fs().CurrentDirectory();
  if (directory_.size() < 3) {
    std::vector<char> drives = Fs().Drives();
    directory_ = std::string(1, drives.empty() ? 'c' : drives.front()) + ":\\";
  }
  drive_folders_[Small(Drive())] = directory_;
  Rebuild();
}

platform::FileSystem& DirectoryListBox::Fs() const {
  if (Application* app = App()) return app->FileSystem();
  return *platform::FileSystem::Default();
}

char DirectoryListBox::Drive() const { return directory_.empty() ? 0 : directory_.front(); }

void DirectoryListBox::SetDirectory(const std::string& path) {
  if (path.empty()) return;
  platform::FileSystem& fs = Fs();
  std::string full = fs.FullPath(path);
  // Keep the caller's spelling where it names the same folder: the list reports the folder
  // as it was set (in small letters, say), not as the disk spells it.
  if (EqualsIgnoreCaseAscii(full, path)) full = path;
  std::optional<std::uint32_t> attributes = fs.GetAttributes(full);
  if (full.empty() || !attributes || !(*attributes & platform::kAttrDirectory)) {
    throw EInOutError("Cannot open the folder " + path);
  }
  if (std::error_code error = fs.SetCurrentDirectory(full)) {
    throw EInOutError("Cannot open the folder " + path + ": " + error.message());
  }
  bool changed = full != directory_;
  directory_ = std::move(full);
  drive_folders_[Small(Drive())] = directory_;
  Rebuild();
  Changed(Aspect::kContent);
  if (changed && !Loading()) Notify(OnChange);
}

void DirectoryListBox::SetDrive(char letter) {
  if (letter == 0 || Small(letter) == Small(Drive())) return;
  auto it = drive_folders_.find(Small(letter));
  SetDirectory(it != drive_folders_.end() ? it->second : std::string(1, letter) + ":\\");
}

void DirectoryListBox::Rebuild() {
  items_.clear();
  path_folders_.clear();
  // "c:\users\me" gives the lines "c:\", "users", "me", each one step further in.
  std::string folder = directory_.substr(0, 3);
  items_.push_back(Item{folder, 0, true});
  path_folders_.push_back(folder);
  std::string rest = directory_.size() > 3 ? directory_.substr(3) : std::string();
  std::size_t start = 0;
  while (start < rest.size()) {
    std::size_t end = rest.find('\\', start);
    if (end == std::string::npos) end = rest.size();
    if (end > start) {
      std::string name = rest.substr(start, end - start);
      folder = WithBackslash(folder) + name;
      items_.push_back(Item{name, static_cast<int>(items_.size()), true});
      path_folders_.push_back(folder);
    }
    start = end + 1;
  }
  item_index_ = static_cast<int>(items_.size()) - 1;
  int level = static_cast<int>(items_.size());
  for (std::string& name : Fs().Subdirectories(directory_)) {
    items_.push_back(Item{std::move(name), level, false});
  }
}

void DirectoryListBox::SetItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size())) return;
  item_index_ = index;
}

void DirectoryListBox::OpenItem(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  if (index < static_cast<int>(path_folders_.size())) {
    SetDirectory(path_folders_[static_cast<std::size_t>(index)]);
  } else {
    SetDirectory(WithBackslash(directory_) + items_[static_cast<std::size_t>(index)].text);
  }
}

void DirectoryListBox::SetItemHeight(int height) {
  item_height_ = height;
  Changed(Aspect::kContent);
}

bool DirectoryListBox::ApplySetting(const std::string& name, const LayoutValue& value,
                                    const HandlerTable& handlers) {
  if (Is(name, "ItemHeight")) {
    SetItemHeight(value.Int());
  } else if (Is(name, "Directory")) {
    SetDirectory(value.Text());
  } else if (Is(name, "OnChange")) {
    OnChange = handlers.Get<NotifyEvent>(value.Word());
  } else {
    return Control::ApplySetting(name, value, handlers);
  }
  return true;
}

}  // namespace brontel::ui
