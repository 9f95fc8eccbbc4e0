// The file system as the system sees it: Windows paths (drive letters, "\" separators, letters
// compared without regard to case). Implementations translate to the host at their boundary.
// None of these operations raises; failures come back as results for the caller to judge.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "base/file_stream.h"

namespace brontel::platform {

// File attribute bits in the Windows numbering.
inline constexpr std::uint32_t kAttrReadOnly = 0x01;
inline constexpr std::uint32_t kAttrHidden = 0x02;
inline constexpr std::uint32_t kAttrSystem = 0x04;
inline constexpr std::uint32_t kAttrDirectory = 0x10;
inline constexpr std::uint32_t kAttrArchive = 0x20;

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The process-wide instance for this host. Never null; owned by the library, lives for the
  // whole run. It reads its drive map from the environment on each path translation, so tests
  // may point WINEPREFIX at a folder of their own.
  static FileSystem* Default();

  // Attributes of a file or folder, or nullopt when it does not exist or cannot be read.
  virtual std::optional<std::uint32_t> GetAttributes(const std::string& path) = 0;
  // Sets read-only, hidden, system and archive as given; the directory bit is ignored.
  virtual std::error_code SetAttributes(const std::string& path, std::uint32_t attributes) = 0;

  // Creates one folder; its parent must exist. Fails when it exists already.
  virtual std::error_code CreateDirectory(const std::string& path) = 0;
  // Creates a file, or empties an existing one, open for reading and writing without sharing.
  // Returns null and sets `error` on failure.
  virtual std::unique_ptr<FileHandle> CreateFile(const std::string& path,
                                                 std::error_code& error) = 0;
  // Opens an existing file for reading and writing. Returns null and sets `error` on failure.
  virtual std::unique_ptr<FileHandle> OpenFile(const std::string& path,
                                               std::error_code& error) = 0;
  // Opens an existing file for reading only. Returns null and sets `error` on failure.
  virtual std::unique_ptr<FileHandle> OpenFileForReading(const std::string& path,
                                                         std::error_code& error) = 0;
  // Copies a file with its contents, time and attributes, replacing an existing target.
  virtual std::error_code CopyFile(const std::string& from, const std::string& to) = 0;
  // Renames a file; fails when the target exists.
  virtual std::error_code MoveFile(const std::string& from, const std::string& to) = 0;
  virtual std::error_code DeleteFile(const std::string& path) = 0;

  // Free bytes on drive `drive` (1 = A, 2 = B, ..., 0 = the current drive), -1 when it cannot
  // be queried (no such drive, or its root cannot be reached).
  virtual std::int64_t FreeBytes(int drive) = 0;

  // The process's current folder as a Windows path (for instance "C:\users\me"), found through
  // the reverse drive map; empty when no drive holds it.
  virtual std::string CurrentDirectory() = 0;
  virtual std::error_code SetCurrentDirectory(const std::string& path) = 0;

  // The mapped drive letters, small, in alphabetical order.
  virtual std::vector<char> Drives() = 0;
  // Names of the subfolders of `path`, sorted without regard to case; "." and ".." left out.
  virtual std::vector<std::string> Subdirectories(const std::string& path) = 0;

  // The Windows path made absolute and normal: "." and ".." resolved, drive root a boundary,
  // a relative path joined to the current folder, a leading "\" to the current drive.
  virtual std::string FullPath(const std::string& path) = 0;

  // The host path that a Windows path maps to (existing components found without regard to
  // case, missing ones as spelled); empty when its drive is not mapped.
  virtual std::string HostPath(const std::string& path) = 0;
  // The Windows path of a host path through the reverse drive map (the drive whose host root is
  // the longest prefix); empty when no drive holds it.
  virtual std::string FromHostPath(const std::string& host_path) = 0;
};

}  // namespace brontel::platform
