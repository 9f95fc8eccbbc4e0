// The file system over a POSIX host, translating Windows paths through the drive map the way
// Wine does.
//
// Path translation. A path is first made absolute (FullPath), then its drive is looked up in a
// drive map read afresh from the environment, then each component is found in its folder as
// spelled or else among the folder's entries without regard to case (the byte-wise smallest of
// several matches); components that do not exist are used as spelled.
//
// Attributes. Directory comes from the host. Read-only is a file whose owner may not write it;
// setting it clears every write bit, clearing it gives the owner write permission back. The
// read-only bit of folders is neither reported nor set, since on the host it would stop files
// from being created inside. Hidden, system and archive live in the extended attribute
// "user.DOSATTRIB" as text ("0x22"); where the file system has no extended attributes they read
// as clear and setting them is silently skipped. Nothing is invented: a file without the
// extended attribute reports only its read-only and directory bits (no archive bit).
//
// Windows rules that the host would not enforce by itself, kept here because the system relies
// on them (and the host's superuser would bypass permission bits): a read-only file cannot be
// opened for writing, replaced by CreateFile or CopyFile, or deleted (permission_denied). A
// file opened by CreateFile holds an exclusive flock and every other open a shared one, so an
// open that would conflict fails with device_or_resource_busy; CopyFile takes the same locks
// on its source (shared) and target (exclusive). DeleteFile and MoveFile ignore them.
#pragma once

#include "platform/file_system.h"

namespace brontel::platform::posix {

class PosixFileSystem : public FileSystem {
 public:
  std::optional<std::uint32_t> GetAttributes(const std::string& path) override;
  std::error_code SetAttributes(const std::string& path, std::uint32_t attributes) override;
  std::error_code CreateDirectory(const std::string& path) override;
  std::unique_ptr<FileHandle> CreateFile(const std::string& path, std::error_code& error) override;
  std::unique_ptr<FileHandle> OpenFile(const std::string& path, std::error_code& error) override;
  std::unique_ptr<FileHandle> OpenFileForReading(const std::string& path,
                                                 std::error_code& error) override;
  // Same file as source and target fails with device_or_resource_busy rather than emptying it.
  // A failed copy leaves no partial target behind.
  std::error_code CopyFile(const std::string& from, const std::string& to) override;
  // Also renames folders, and changes only the letter case of a name. A file moved to another
  // host file system is copied and then deleted.
  std::error_code MoveFile(const std::string& from, const std::string& to) override;
  // Removes a file or a symbolic link; a folder is refused (is_a_directory).
  std::error_code DeleteFile(const std::string& path) override;
  // The bytes an unprivileged user may still write on the file system of the drive's root.
  std::int64_t FreeBytes(int drive) override;
  std::string CurrentDirectory() override;
  std::error_code SetCurrentDirectory(const std::string& path) override;
  // Mapped drives whether or not their root can be reached.
  std::vector<char> Drives() override;
  std::vector<std::string> Subdirectories(const std::string& path) override;
  // Empty for an empty path, and for a path relative to a current folder that no drive holds.
  std::string FullPath(const std::string& path) override;
  std::string HostPath(const std::string& path) override;
  std::string FromHostPath(const std::string& host_path) override;
};

}  // namespace brontel::platform::posix
