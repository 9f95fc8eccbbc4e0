// A file system for tests that passes everything to another one but can be told to fail in the
// ways a real disk fails, so that every error path can be shown without a broken disk.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/file_system.h"

namespace brontel::platform::testing {

enum class WriteFault {
  kShort,        // the write takes half of its bytes (none of a single byte); errno EIO
  kDeviceError,  // the write takes nothing and reports -1; errno EIO
};

// Wraps `base` (not owned; it must outlive this object). Starts without faults; each setter
// takes effect for the calls that follow it. A refused operation returns permission_denied and
// leaves the base untouched. The handles it gives out share its fault settings and may outlive
// it. Not thread-safe.
class FaultFileSystem : public FileSystem {
 public:
  explicit FaultFileSystem(FileSystem* base);

  // The `n`-th Write from now on (1 for the next), counted over every handle this file system
  // has opened, fails as `kind` says; later writes pass again. n <= 0 cancels.
  void FailWrite(int n, WriteFault kind = WriteFault::kShort);
  // A disk with `free_bytes` left: FreeBytes reports that much for every drive the base can
  // query (-1 stays -1), and writes through the handles take bytes only until that many more
  // have been written, then return short with errno ENOSPC.
  void SetDiskFull(std::int64_t free_bytes = 0);
  void RefuseCreateFile(bool refuse = true) { refuse_create_file_ = refuse; }
  void RefuseCreateDirectory(bool refuse = true) { refuse_create_directory_ = refuse; }
  // Refuses MoveFile, CopyFile and DeleteFile alike.
  void RefuseMoveCopyDelete(bool refuse = true) { refuse_move_copy_delete_ = refuse; }
  // Writes seen so far through this file system's handles.
  int WriteCount() const;

  std::optional<std::uint32_t> GetAttributes(const std::string& path) override;
  std::error_code SetAttributes(const std::string& path, std::uint32_t attributes) override;
  std::error_code CreateDirectory(const std::string& path) override;
  std::unique_ptr<FileHandle> CreateFile(const std::string& path, std::error_code& error) override;
  std::unique_ptr<FileHandle> OpenFile(const std::string& path, std::error_code& error) override;
  std::unique_ptr<FileHandle> OpenFileForReading(const std::string& path,
                                                 std::error_code& error) override;
  std::error_code CopyFile(const std::string& from, const std::string& to) override;
  std::error_code MoveFile(const std::string& from, const std::string& to) override;
  std::error_code DeleteFile(const std::string& path) override;
  std::int64_t FreeBytes(int drive) override;
  std::string CurrentDirectory() override;
  std::error_code SetCurrentDirectory(const std::string& path) override;
  std::vector<char> Drives() override;
  std::vector<std::string> Subdirectories(const std::string& path) override;
  std::string FullPath(const std::string& path) override;
  std::string HostPath(const std::string& path) override;
  std::string FromHostPath(const std::string& host_path) override;

  struct Faults;  // shared with the handles

 private:
  std::unique_ptr<FileHandle> Wrap(std::unique_ptr<FileHandle> handle);

  FileSystem* base_;
  std::shared_ptr<Faults> faults_;
  bool refuse_create_file_ = false;
  bool refuse_create_directory_ = false;
  bool refuse_move_copy_delete_ = false;
};

}  // namespace brontel::platform::testing
