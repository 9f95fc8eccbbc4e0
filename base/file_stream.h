// A stream over an open file. The handle is the platform's; base only knows its contract.
#pragma once

#include <cstdint>
#include <memory>

#include "base/stream.h"

namespace brontel {

// An open file, readable and writable, owned by whoever holds it; closed on destruction.
// Read and Write return the count moved, or -1 on a device error.
class FileHandle {
 public:
  virtual ~FileHandle() = default;
  virtual std::int32_t Read(void* buffer, std::int32_t count) = 0;
  virtual std::int32_t Write(const void* buffer, std::int32_t count) = 0;
  // Returns the new position, or -1 on failure.
  virtual std::int64_t Seek(std::int64_t offset, SeekOrigin origin) = 0;
  // Returns the size in bytes, or -1 on failure.
  virtual std::int64_t Size() = 0;
  // Sets the last-write time from a DOS date and time (local time); false on failure.
  virtual bool SetDosDateTime(std::uint32_t dos_date_time) = 0;
};

// Owns its handle. Read and Write raise EInOutError with the system's reason when the device
// fails; a short count (a full disk) is returned as it is, so WriteBuffer turns it into
// EWriteError.
class FileStream : public Stream {
 public:
  explicit FileStream(std::unique_ptr<FileHandle> handle) : handle_(std::move(handle)) {}

  std::int32_t Read(void* buffer, std::int32_t count) override;
  std::int32_t Write(const void* buffer, std::int32_t count) override;
  std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;
  std::int64_t Size() override;

  FileHandle& Handle() { return *handle_; }

 private:
  std::unique_ptr<FileHandle> handle_;
};

}  // namespace brontel
