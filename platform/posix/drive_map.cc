#include "platform/posix/drive_map.h"

#include <dirent.h>
#include <limits.h>
#include <pwd.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace brontel::platform::posix {

namespace {

std::string Getenv(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::string(value) : std::string();
}

std::string HomeFolder() {
  std::string home = Getenv("HOME");
  if (!home.empty()) return home;
  long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
      found->pw_dir != nullptr) {
    home = found->pw_dir;
  }
  return home;
}

std::optional<std::string> RealPath(const std::string& path) {
  std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr),
                                                       &std::free);
  if (!resolved) return std::nullopt;
  return std::string(resolved.get());
}

bool IsFolder(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string CurrentFolder() {
  std::unique_ptr<char, decltype(&std::free)> cwd(::getcwd(nullptr, 0), &std::free);
  return cwd ? std::string(cwd.get()) : std::string();
}

char UpperLetter(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::vector<std::string> SplitHostPath(std::string_view path) {
  std::vector<std::string> parts;
  std::size_t i = 0;
  while (i < path.size()) {
    while (i < path.size() && path[i] == '/') ++i;
    const std::size_t start = i;
    while (i < path.size() && path[i] != '/') ++i;
    if (i > start) parts.emplace_back(path.substr(start, i - start));
  }
  return parts;
}

Drive MakeDrive(char letter, const std::string& link) {
  Drive drive;
  drive.letter = UpperLetter(letter);
  if (auto canonical = RealPath(link); canonical && IsFolder(*canonical)) {
    drive.host_root = *canonical;
    drive.reachable = true;
    return drive;
  }
  // Keep where the link points, for messages and for HostPath of a drive without a medium.
  char target[PATH_MAX];
  const ssize_t length = ::readlink(link.c_str(), target, sizeof target - 1);
  if (length <= 0) {
    drive.host_root = link;
  } else if (target[0] == '/') {
    drive.host_root.assign(target, static_cast<std::size_t>(length));
  } else {
    drive.host_root = CanonicalHostPath(link.substr(0, link.rfind('/') + 1) +
                                        std::string(target, static_cast<std::size_t>(length)));
  }
  return drive;
}

std::vector<Drive> ReadDosDevices(const std::string& folder) {
  std::vector<std::string> names;
  if (DIR* dir = ::opendir(folder.c_str())) {
    while (const dirent* entry = ::readdir(dir)) {
      const std::string_view name = entry->d_name;
      const char letter = name.empty() ? 0 : UpperLetter(name[0]);
      if (name.size() == 2 && name[1] == ':' && letter >= 'A' && letter <= 'Z') {
        names.emplace_back(name);
      }
    }
    ::closedir(dir);
  }
  // "C:" sorts before "c:"; the first spelling of a letter wins, so the map does not depend on
  // the order the folder lists its entries in.
  std::sort(names.begin(), names.end());
  std::vector<Drive> drives;
  for (const std::string& name : names) {
    const char letter = UpperLetter(name[0]);
    const bool known = std::any_of(drives.begin(), drives.end(),
                                   [letter](const Drive& d) { return d.letter == letter; });
    if (!known) drives.push_back(MakeDrive(letter, folder + "/" + name));
  }
  return drives;
}

}  // namespace

std::string CanonicalHostPath(std::string_view host_path) {
  std::string start = "/";
  if (host_path.empty() || host_path[0] != '/') {
    start = CurrentFolder();
    if (start.empty()) return {};
  }
  std::vector<std::string> resolved = SplitHostPath(start);
  bool exists = true;
  for (const std::string& part : SplitHostPath(host_path)) {
    if (exists) {
      std::string candidate;
      for (const std::string& r : resolved) candidate += "/" + r;
      candidate += "/" + part;
      if (auto real = RealPath(candidate)) {
        resolved = SplitHostPath(*real);
        continue;
      }
      exists = false;
    }
    if (part == ".") continue;
    if (part == "..") {
      if (!resolved.empty()) resolved.pop_back();
      continue;
    }
    resolved.push_back(part);
  }
  std::string result;
  for (const std::string& r : resolved) result += "/" + r;
  return result.empty() ? "/" : result;
}

DriveMap::DriveMap(std::vector<Drive> drives) : drives_(std::move(drives)) {
  std::sort(drives_.begin(), drives_.end(),
            [](const Drive& a, const Drive& b) { return a.letter < b.letter; });
}

DriveMap DriveMap::FromEnvironment() {
  const std::string prefix = Getenv("WINEPREFIX");
  if (!prefix.empty()) return DriveMap(ReadDosDevices(prefix + "/dosdevices"));
  const std::string home = HomeFolder();
  if (!home.empty() && IsFolder(home + "/.wine/dosdevices")) {
    return DriveMap(ReadDosDevices(home + "/.wine/dosdevices"));
  }
  std::vector<Drive> builtin;
  if (!home.empty()) builtin.push_back(MakeDrive('C', home));
  builtin.push_back(MakeDrive('Z', "/"));
  return DriveMap(std::move(builtin));
}

const Drive* DriveMap::Find(char letter) const {
  const char upper = UpperLetter(letter);
  for (const Drive& drive : drives_) {
    if (drive.letter == upper) return &drive;
  }
  return nullptr;
}

std::optional<DriveMap::Location> DriveMap::Locate(std::string_view host_path) const {
  const std::string canonical = CanonicalHostPath(host_path);
  if (canonical.empty()) return std::nullopt;
  const Drive* best = nullptr;
  for (const Drive& drive : drives_) {
    if (!drive.reachable) continue;
    const std::string& root = drive.host_root;
    const bool holds = root == "/" || canonical == root ||
                       (canonical.compare(0, root.size(), root) == 0 &&
                        canonical.size() > root.size() && canonical[root.size()] == '/');
    if (holds && (best == nullptr || root.size() > best->host_root.size())) best = &drive;
  }
  if (best == nullptr) return std::nullopt;
  Location location;
  location.letter = best->letter;
  if (best->host_root != "/") {
    location.components = SplitHostPath(std::string_view(canonical).substr(best->host_root.size()));
  } else {
    location.components = SplitHostPath(canonical);
  }
  return location;
}

}  // namespace brontel::platform::posix
