// The abstract byte stream the archive engine reads and writes through.
#pragma once

#include <cstdint>

namespace brontel {

enum class SeekOrigin { kBegin, kCurrent, kEnd };

class Stream {
 public:
  virtual ~Stream() = default;
  Stream() = default;
  Stream(const Stream&) = delete;
  Stream& operator=(const Stream&) = delete;

  // Reads up to `count` bytes into `buffer`; returns how many were read (0 at the end).
  // A short read is no error. May raise EInOutError for a failing device.
  virtual std::int32_t Read(void* buffer, std::int32_t count) = 0;
  // Writes up to `count` bytes; returns how many were taken (fewer on a full or read-only
  // stream).
  virtual std::int32_t Write(const void* buffer, std::int32_t count) = 0;
  // Moves the position; returns the new position. Positions past the end are allowed.
  virtual std::int64_t Seek(std::int64_t offset, SeekOrigin origin) = 0;
  virtual std::int64_t Size() = 0;

  std::int64_t Position() { return Seek(0, SeekOrigin::kCurrent); }
  void SetPosition(std::int64_t position) { Seek(position, SeekOrigin::kBegin); }

  // Reads exactly `count` bytes or raises EReadError ("Stream read error").
  void ReadBuffer(void* buffer, std::int32_t count);
  // Writes exactly `count` bytes or raises EWriteError ("Stream write error").
  void WriteBuffer(const void* buffer, std::int32_t count);
  // Copies `count` bytes from `source` at its position; raises EReadError on a short source.
  void CopyFrom(Stream& source, std::int64_t count);
};

}  // namespace brontel
