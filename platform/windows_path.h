// Lexical handling of Windows paths: no file system is consulted. Both "\" and "/" separate
// components; a path begins with an optional drive ("C:") and is rooted when a separator follows
// it (or opens the path). UNC names ("\\server\share") are not understood: their leading
// separators count as one root.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brontel::platform {

struct WindowsPath {
  char drive = 0;                       // 'A' to 'Z', 0 when the path names no drive
  bool rooted = false;                  // starts (after the drive) at the root of a drive
  std::vector<std::string> components;  // as spelled, "." and ".." included, no empty ones
};

inline bool IsWindowsSeparator(char c) { return c == '\\' || c == '/'; }

// Splits `path` into drive, rootedness and components. The drive letter is returned capital.
WindowsPath SplitWindowsPath(std::string_view path);

// Resolves "." and ".." in components that start at a drive root: "." is dropped, ".." drops
// the component before it and is itself dropped at the root, so the root is never left.
std::vector<std::string> NormalizeComponents(const std::vector<std::string>& components);

// "C:\" for no components, else "C:\a\b"; `drive` is written as given.
std::string JoinWindowsPath(char drive, const std::vector<std::string>& components);

// The absolute, normal form of `path`, with a capital drive letter and no trailing separator
// except at a drive root. `current` is the absolute current folder ("C:\work"), used for
// relative paths, for a leading "\" (the root of the current drive) and for "C:name" when C is
// the current drive; "D:name" on another drive is taken from the root of D. Returns "" when
// `path` is empty, or when it needs the current folder and `current` is not absolute.
std::string ResolveWindowsPath(std::string_view path, std::string_view current);

}  // namespace brontel::platform
