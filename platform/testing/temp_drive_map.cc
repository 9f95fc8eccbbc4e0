#include "platform/testing/temp_drive_map.h"

#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace brontel::platform::testing {

namespace fs = std::filesystem;

namespace {

std::optional<std::string> GetEnv(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

void RestoreEnv(const char* name, const std::optional<std::string>& value) {
  if (value) {
    ::setenv(name, value->c_str(), 1);
  } else {
    ::unsetenv(name);
  }
}

char Lower(char letter) {
  return (letter >= 'A' && letter <= 'Z') ? static_cast<char>(letter - 'A' + 'a') : letter;
}

void CheckLetter(char letter) {
  const char lower = Lower(letter);
  if (lower < 'a' || lower > 'z') throw std::runtime_error("not a drive letter");
}

[[noreturn]] void Fail(const std::string& what, const std::error_code& error) {
  throw std::runtime_error(what + ": " + error.message());
}

// A test may leave folders without write or search permission behind; make sure the removal
// can still get into every one of them.
void MakeRemovable(const fs::path& root) {
  std::error_code error;
  fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied, error);
  for (; !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
    if (it->is_directory(error) && !it->is_symlink(error)) {
      fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, error);
    }
  }
}

}  // namespace

TempDriveMap::TempDriveMap() {
  std::string base = GetEnv("TMPDIR").value_or("/tmp");
  if (base.empty()) base = "/tmp";
  std::string pattern = base + "/brontel-test-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) {
    Fail("cannot make a temporary folder", std::error_code(errno, std::generic_category()));
  }
  std::error_code error;
  root_ = fs::canonical(pattern, error).string();
  if (error) Fail("cannot resolve the temporary folder", error);

  char cwd[4096];
  if (::getcwd(cwd, sizeof cwd) != nullptr) old_cwd_ = cwd;

  fs::create_directory(root_ + "/dosdevices", error);
  if (!error) fs::create_directory(root_ + "/home", error);
  if (error) Fail("cannot populate the temporary folder", error);

  old_wineprefix_ = GetEnv("WINEPREFIX");
  old_home_ = GetEnv("HOME");
  old_xdg_data_home_ = GetEnv("XDG_DATA_HOME");
  ::setenv("WINEPREFIX", root_.c_str(), 1);
  ::setenv("HOME", Home().c_str(), 1);
  ::unsetenv("XDG_DATA_HOME");

  AddDrive('c');
}

TempDriveMap::~TempDriveMap() {
  // Leave the folder first: the tree about to be removed may hold the current folder.
  if (!old_cwd_.empty() && ::chdir(old_cwd_.c_str()) != 0) {
    [[maybe_unused]] const int ignored = ::chdir("/");
  }
  RestoreEnv("WINEPREFIX", old_wineprefix_);
  RestoreEnv("HOME", old_home_);
  RestoreEnv("XDG_DATA_HOME", old_xdg_data_home_);
  MakeRemovable(root_);
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

std::string TempDriveMap::Home() const { return root_ + "/home"; }

std::string TempDriveMap::LinkPath(char letter) const {
  CheckLetter(letter);
  return root_ + "/dosdevices/" + Lower(letter) + ":";
}

std::string TempDriveMap::DriveRoot(char letter) const {
  std::error_code error;
  const fs::path link = LinkPath(letter);
  const fs::path target = fs::read_symlink(link, error);
  if (error) return {};
  const fs::path full = target.is_absolute() ? target : link.parent_path() / target;
  std::string result = full.lexically_normal().string();
  while (result.size() > 1 && result.back() == '/') result.pop_back();
  return result;
}

std::string TempDriveMap::HostPath(char letter, std::string_view relative) const {
  std::string result = DriveRoot(letter);
  if (result.empty()) return result;
  if (result.back() != '/') result += '/';
  for (const char c : relative) result += (c == '\\') ? '/' : c;
  return result;
}

std::string TempDriveMap::AddDrive(char letter) {
  const std::string folder = root_ + "/drive_" + Lower(letter);
  std::error_code error;
  fs::create_directory(folder, error);
  if (error) Fail("cannot make " + folder, error);
  // Relative, the way Wine itself links its C: drive.
  MapDrive(letter, std::string("../drive_") + Lower(letter));
  return folder;
}

void TempDriveMap::MapDrive(char letter, const std::string& host_folder) {
  const std::string link = LinkPath(letter);
  std::error_code error;
  fs::remove(link, error);
  fs::create_symlink(host_folder, link, error);
  if (error) Fail("cannot link " + link, error);
}

void TempDriveMap::AddMissingDrive(char letter) {
  MapDrive(letter, root_ + "/missing_" + Lower(letter));
}

void TempDriveMap::RemoveDrive(char letter) {
  std::error_code ignored;
  fs::remove(LinkPath(letter), ignored);
}

}  // namespace brontel::platform::testing
