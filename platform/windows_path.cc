#include "platform/windows_path.h"

namespace brontel::platform {

namespace {

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

char UpperLetter(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

WindowsPath SplitWindowsPath(std::string_view path) {
  WindowsPath result;
  std::size_t i = 0;
  if (path.size() >= 2 && IsAsciiLetter(path[0]) && path[1] == ':') {
    result.drive = UpperLetter(path[0]);
    i = 2;
  }
  result.rooted = i < path.size() && IsWindowsSeparator(path[i]);
  while (i < path.size()) {
    while (i < path.size() && IsWindowsSeparator(path[i])) ++i;
    const std::size_t start = i;
    while (i < path.size() && !IsWindowsSeparator(path[i])) ++i;
    if (i > start) result.components.emplace_back(path.substr(start, i - start));
  }
  return result;
}

std::vector<std::string> NormalizeComponents(const std::vector<std::string>& components) {
  std::vector<std::string> result;
  for (const std::string& component : components) {
    if (component == ".") continue;
    if (component == "..") {
      if (!result.empty()) result.pop_back();
      continue;
    }
    result.push_back(component);
  }
  return result;
}

std::string JoinWindowsPath(char drive, const std::vector<std::string>& components) {
  std::string result{drive, ':'};
  if (components.empty()) return result + '\\';
  for (const std::string& component : components) {
    result += '\\';
    result += component;
  }
  return result;
}

std::string ResolveWindowsPath(std::string_view path, std::string_view current) {
  if (path.empty()) return {};
  const WindowsPath given = SplitWindowsPath(path);
  const WindowsPath here = SplitWindowsPath(current);
  const bool here_known = here.drive != 0 && here.rooted;

  WindowsPath base;
  if (given.drive != 0 && given.rooted) {
    base.drive = given.drive;
  } else if (given.drive != 0) {
    // Only the current drive has a current folder; any other drive starts at its root.
    if (here_known && here.drive == given.drive) {
      base = here;
    } else {
      base.drive = given.drive;
    }
  } else {
    if (!here_known) return {};
    base.drive = here.drive;
    if (!given.rooted) base.components = here.components;
  }
  base.components.insert(base.components.end(), given.components.begin(), given.components.end());
  return JoinWindowsPath(base.drive, NormalizeComponents(base.components));
}

}  // namespace brontel::platform
