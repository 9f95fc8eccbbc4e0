#include "platform/testing/fault_file_system.h"

#include <algorithm>
#include <cerrno>
#include <optional>

namespace brontel::platform::testing {

struct FaultFileSystem::Faults {
  int writes = 0;
  int fail_at = 0;  // number of the write that fails; 0 for none
  WriteFault kind = WriteFault::kShort;
  std::optional<std::int64_t> free_bytes;  // set while the disk is full
};

namespace {

std::error_code Refused() { return std::make_error_code(std::errc::permission_denied); }

class FaultyHandle : public FileHandle {
 public:
  FaultyHandle(std::unique_ptr<FileHandle> base, std::shared_ptr<FaultFileSystem::Faults> faults)
      : base_(std::move(base)), faults_(std::move(faults)) {}

  std::int32_t Read(void* buffer, std::int32_t count) override {
    return base_->Read(buffer, count);
  }

  std::int32_t Write(const void* buffer, std::int32_t count) override {
    FaultFileSystem::Faults& faults = *faults_;
    ++faults.writes;
    std::int32_t allowed = count;
    int fault_errno = 0;
    if (faults.writes == faults.fail_at) {
      if (faults.kind == WriteFault::kDeviceError) {
        errno = EIO;
        return -1;
      }
      allowed = count / 2;
      fault_errno = EIO;
    }
    if (faults.free_bytes && *faults.free_bytes < allowed) {
      allowed = static_cast<std::int32_t>(std::max<std::int64_t>(*faults.free_bytes, 0));
      fault_errno = ENOSPC;
    }
    const std::int32_t written = allowed > 0 ? base_->Write(buffer, allowed) : 0;
    if (written > 0 && faults.free_bytes) *faults.free_bytes -= written;
    if (fault_errno != 0 && written >= 0) errno = fault_errno;
    return written;
  }

  std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override {
    return base_->Seek(offset, origin);
  }
  std::int64_t Size() override { return base_->Size(); }
  bool SetDosDateTime(std::uint32_t dos_date_time) override {
    return base_->SetDosDateTime(dos_date_time);
  }

 private:
  std::unique_ptr<FileHandle> base_;
  std::shared_ptr<FaultFileSystem::Faults> faults_;
};

}  // namespace

FaultFileSystem::FaultFileSystem(FileSystem* base)
    : base_(base), faults_(std::make_shared<Faults>()) {}

void FaultFileSystem::FailWrite(int n, WriteFault kind) {
  faults_->fail_at = n > 0 ? faults_->writes + n : 0;
  faults_->kind = kind;
}

void FaultFileSystem::SetDiskFull(std::int64_t free_bytes) {
  faults_->free_bytes = std::max<std::int64_t>(free_bytes, 0);
}

int FaultFileSystem::WriteCount() const { return faults_->writes; }

std::unique_ptr<FileHandle> FaultFileSystem::Wrap(std::unique_ptr<FileHandle> handle) {
  if (!handle) return handle;
  return std::make_unique<FaultyHandle>(std::move(handle), faults_);
}

std::optional<std::uint32_t> FaultFileSystem::GetAttributes(const std::string& path) {
  return base_->GetAttributes(path);
}

std::error_code FaultFileSystem::SetAttributes(const std::string& path, std::uint32_t attributes) {
  return base_->SetAttributes(path, attributes);
}

std::error_code FaultFileSystem::CreateDirectory(const std::string& path) {
  if (refuse_create_directory_) return Refused();
  return base_->CreateDirectory(path);
}

std::unique_ptr<FileHandle> FaultFileSystem::CreateFile(const std::string& path,
                                                        std::error_code& error) {
  if (refuse_create_file_) {
    error = Refused();
    return nullptr;
  }
  return Wrap(base_->CreateFile(path, error));
}

std::unique_ptr<FileHandle> FaultFileSystem::OpenFile(const std::string& path,
                                                      std::error_code& error) {
  return Wrap(base_->OpenFile(path, error));
}

std::unique_ptr<FileHandle> FaultFileSystem::OpenFileForReading(const std::string& path,
                                                                std::error_code& error) {
  return Wrap(base_->OpenFileForReading(path, error));
}

std::error_code FaultFileSystem::CopyFile(const std::string& from, const std::string& to) {
  if (refuse_move_copy_delete_) return Refused();
  return base_->CopyFile(from, to);
}

std::error_code FaultFileSystem::MoveFile(const std::string& from, const std::string& to) {
  if (refuse_move_copy_delete_) return Refused();
  return base_->MoveFile(from, to);
}

std::error_code FaultFileSystem::DeleteFile(const std::string& path) {
  if (refuse_move_copy_delete_) return Refused();
  return base_->DeleteFile(path);
}

std::int64_t FaultFileSystem::FreeBytes(int drive) {
  const std::int64_t real = base_->FreeBytes(drive);
  if (real < 0 || !faults_->free_bytes) return real;
  return *faults_->free_bytes;
}

std::string FaultFileSystem::CurrentDirectory() { return base_->CurrentDirectory(); }

std::error_code FaultFileSystem::SetCurrentDirectory(const std::string& path) {
  return base_->SetCurrentDirectory(path);
}

std::vector<char> FaultFileSystem::Drives() { return base_->Drives(); }

std::vector<std::string> FaultFileSystem::Subdirectories(const std::string& path) {
  return base_->Subdirectories(path);
}

std::string FaultFileSystem::FullPath(const std::string& path) { return base_->FullPath(path); }

std::string FaultFileSystem::HostPath(const std::string& path) { return base_->HostPath(path); }

std::string FaultFileSystem::FromHostPath(const std::string& host_path) {
  return base_->FromHostPath(host_path);
}

}  // namespace brontel::platform::testing
