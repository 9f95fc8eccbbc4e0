// Pieces of a Wine-style user.reg for tests that give their drive map a registry of their own.
#pragma once

#include <string>

namespace brontel::platform::testing {

// The section line of the current user's "Shell Folders" key.
inline constexpr char kShellFoldersSection[] =
    "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Explorer\\\\Shell Folders] 1700000000";

// `text` as the inside of a user.reg string: backslashes and quotes escaped.
inline std::string UserRegString(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\\' || c == '"') out.push_back('\\');
    out.push_back(c);
  }
  return out;
}

}  // namespace brontel::platform::testing
