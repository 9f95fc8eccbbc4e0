#include "platform/posix/current_user_hive.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "platform/posix/user_reg_parser.h"

namespace brontel::platform {

namespace {

constexpr char kShellFoldersKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

std::string HomeFolder() {
  std::string home = Environment("HOME");
  if (!home.empty()) return home;
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found) {
    home = found->pw_dir;
  }
  return home;
}

bool IsKind(const std::string& path, mode_t kind) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && (info.st_mode & S_IFMT) == kind;
}

// $XDG_DATA_HOME, or its default when unset; a relative value counts as unset.
std::string DataHome() {
  const std::string configured = Environment("XDG_DATA_HOME");
  if (!configured.empty() && configured.front() == '/') return configured;
  return HomeFolder() + "/.local/share";
}

// Makes `folder` and its missing parents, each new one private to the user (mode 0700, as the
// desktop's base-folder rules ask). Failures are left for the folder's first user to meet.
void MakeFolderChain(const std::string& folder) {
  if (folder.empty() || IsKind(folder, S_IFDIR)) return;
  const auto slash = folder.find_last_of('/');
  if (slash != std::string::npos && slash > 0) MakeFolderChain(folder.substr(0, slash));
  ::mkdir(folder.c_str(), 0700);
}

}  // namespace

std::string UserRegHostPath() {
  std::string prefix = Environment("WINEPREFIX");
  if (prefix.empty()) {
    prefix = HomeFolder() + "/.wine";
    if (!IsKind(prefix + "/dosdevices", S_IFDIR)) return {};
  }
  const std::string path = prefix + "/user.reg";
  return IsKind(path, S_IFREG) ? path : std::string();
}

std::shared_ptr<MemoryRegistryView> BuiltInHive(FileSystem& file_system) {
  auto hive = std::make_shared<MemoryRegistryView>();
  hive->AddKey(kShellFoldersKey);
  const std::string applications = DataHome() + "/applications";
  std::string programs = file_system.FromHostPath(applications);
  if (!programs.empty()) {
    // A shell's Programs folder always exists; on a fresh desktop this one may not yet, and a
    // shortcut saved into it would fail.
    MakeFolderChain(applications);
    hive->SetValue(kShellFoldersKey, "Programs", {RegistryType::kString, std::move(programs)});
  }
  return hive;
}

std::shared_ptr<RegistryView> CurrentUserHive(FileSystem& file_system) {
  const std::string path = UserRegHostPath();
  if (path.empty()) return BuiltInHive(file_system);
  return LoadUserReg(path);
}

}  // namespace brontel::platform
