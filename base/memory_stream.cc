#include "base/memory_stream.h"

#include <algorithm>
#include <cstring>

namespace brontel {

namespace {

std::int64_t Resolve(std::int64_t offset, SeekOrigin origin, std::int64_t current,
                     std::int64_t size) {
  std::int64_t base = 0;
  if (origin == SeekOrigin::kCurrent) base = current;
  if (origin == SeekOrigin::kEnd) base = size;
  return std::max<std::int64_t>(0, base + offset);
}

// Bytes that can be read from `position` in a block of `size`, at most `count`.
std::int32_t Available(std::int64_t position, std::int64_t size, std::int32_t count) {
  if (count <= 0 || position >= size) return 0;
  return static_cast<std::int32_t>(std::min<std::int64_t>(count, size - position));
}

}  // namespace

std::int32_t MemoryStream::Read(void* buffer, std::int32_t count) {
  const std::int32_t n = Available(position_, size_, count);
  if (n > 0) std::memcpy(buffer, data_ + position_, static_cast<std::size_t>(n));
  position_ += n;
  return n;
}

std::int64_t MemoryStream::Seek(std::int64_t offset, SeekOrigin origin) {
  position_ = Resolve(offset, origin, position_, size_);
  return position_;
}

std::int32_t BufferStream::Read(void* buffer, std::int32_t count) {
  const std::int32_t n = Available(position_, Size(), count);
  if (n > 0) std::memcpy(buffer, bytes_.data() + position_, static_cast<std::size_t>(n));
  position_ += n;
  return n;
}

std::int32_t BufferStream::Write(const void* buffer, std::int32_t count) {
  if (count <= 0) return 0;
  const auto end = static_cast<std::size_t>(position_ + count);
  if (end > bytes_.size()) bytes_.resize(end);
  std::memcpy(bytes_.data() + position_, buffer, static_cast<std::size_t>(count));
  position_ += count;
  return count;
}

std::int64_t BufferStream::Seek(std::int64_t offset, SeekOrigin origin) {
  position_ = Resolve(offset, origin, position_, Size());
  return position_;
}

}  // namespace brontel
