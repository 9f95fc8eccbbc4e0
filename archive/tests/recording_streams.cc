#include "archive/tests/recording_streams.h"

#include <algorithm>
#include <cstring>

namespace brontel::testing {

std::int32_t LoggingSource::Read(void* buffer, std::int32_t count) {
  const auto left = static_cast<std::int64_t>(bytes_.size()) - position_;
  const auto n = static_cast<std::int32_t>(
      std::max<std::int64_t>(0, std::min<std::int64_t>({count, max_per_read_, left})));
  if (n > 0) std::memcpy(buffer, bytes_.data() + position_, static_cast<std::size_t>(n));
  position_ += n;
  if (log_) log_->push_back({StreamEvent::kRead, count, n});
  return n;
}

std::int64_t LoggingSource::Seek(std::int64_t offset, SeekOrigin origin) {
  std::int64_t base = 0;
  if (origin == SeekOrigin::kCurrent) base = position_;
  if (origin == SeekOrigin::kEnd) base = Size();
  position_ = std::max<std::int64_t>(0, base + offset);
  return position_;
}

std::int32_t LoggingSink::Write(const void* buffer, std::int32_t count) {
  const auto room = capacity_ - static_cast<std::int64_t>(bytes_.size());
  const auto n =
      static_cast<std::int32_t>(std::max<std::int64_t>(0, std::min<std::int64_t>(count, room)));
  const auto* bytes = static_cast<const unsigned char*>(buffer);
  bytes_.insert(bytes_.end(), bytes, bytes + n);
  if (log_) log_->push_back({StreamEvent::kWrite, count, n});
  return n;
}

std::int64_t LoggingSink::Seek(std::int64_t, SeekOrigin) {
  return static_cast<std::int64_t>(bytes_.size());
}

}  // namespace brontel::testing
