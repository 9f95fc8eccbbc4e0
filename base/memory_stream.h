// Streams over bytes in memory.
#pragma once

#include <cstdint>
#include <vector>

#include "base/stream.h"

namespace brontel {

// A read-only view over bytes it does not own (a linked resource, a test fixture). The bytes
// must outlive the stream. Write takes nothing.
class MemoryStream : public Stream {
 public:
  MemoryStream(const void* data, std::int64_t size)
      : data_(static_cast<const unsigned char*>(data)), size_(size) {}

  std::int32_t Read(void* buffer, std::int32_t count) override;
  std::int32_t Write(const void*, std::int32_t) override { return 0; }
  std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;
  std::int64_t Size() override { return size_; }

  const unsigned char* Data() const { return data_; }

 private:
  const unsigned char* data_;
  std::int64_t size_;
  std::int64_t position_ = 0;
};

// A growable stream that owns its bytes; writes past the end extend it.
class BufferStream : public Stream {
 public:
  BufferStream() = default;
  explicit BufferStream(std::vector<unsigned char> bytes) : bytes_(std::move(bytes)) {}

  std::int32_t Read(void* buffer, std::int32_t count) override;
  std::int32_t Write(const void* buffer, std::int32_t count) override;
  std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;
  std::int64_t Size() override { return static_cast<std::int64_t>(bytes_.size()); }

  const std::vector<unsigned char>& Bytes() const { return bytes_; }
  std::vector<unsigned char>& Bytes() { return bytes_; }

 private:
  std::vector<unsigned char> bytes_;
  std::int64_t position_ = 0;
};

}  // namespace brontel
