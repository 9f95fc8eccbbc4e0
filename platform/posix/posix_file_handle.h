// An open host file behind the FileHandle contract.
#pragma once

#include <cstdint>

#include "base/file_stream.h"

namespace brontel::platform::posix {

// Owns `fd` and closes it on destruction (which also drops any flock held on it).
class PosixFileHandle : public FileHandle {
 public:
  explicit PosixFileHandle(int fd) : fd_(fd) {}
  ~PosixFileHandle() override;
  PosixFileHandle(const PosixFileHandle&) = delete;
  PosixFileHandle& operator=(const PosixFileHandle&) = delete;

  // Moves as many bytes as it can; a failure after some bytes returns those. -1 with errno set
  // when nothing could be read.
  std::int32_t Read(void* buffer, std::int32_t count) override;
  // A full disk or quota returns the bytes written so far (possibly 0), leaving errno at
  // ENOSPC, so that callers see a short write; any other failure before the first byte gives
  // -1 with errno set.
  std::int32_t Write(const void* buffer, std::int32_t count) override;
  std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;
  std::int64_t Size() override;
  // Sets the last-write time (the access time stays); false for an impossible date or a
  // failing host call.
  bool SetDosDateTime(std::uint32_t dos_date_time) override;

  int fd() const { return fd_; }

 private:
  int fd_;
};

}  // namespace brontel::platform::posix
