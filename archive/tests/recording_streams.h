// Streams for codec tests and fuzzers that log every read and write, so the order of reads,
// progress calls and writes of an expansion can be compared and asserted.
#pragma once

#include <cstdint>
#include <limits>
#include <span>
#include <vector>

#include "base/stream.h"

namespace brontel::testing {

struct StreamEvent {
  enum Kind { kRead, kWrite, kProgress };
  Kind kind;
  std::int64_t asked;  // bytes asked for, or the percentage of a progress call
  std::int64_t done;   // bytes read or taken
  bool operator==(const StreamEvent&) const = default;
};
using EventLog = std::vector<StreamEvent>;

// Reads from bytes it does not own, at most `max_per_read` bytes per call, and logs each call.
class LoggingSource : public Stream {
 public:
  LoggingSource(std::span<const unsigned char> bytes, EventLog* log,
                std::int32_t max_per_read = std::numeric_limits<std::int32_t>::max())
      : bytes_(bytes), log_(log), max_per_read_(max_per_read) {}

  std::int32_t Read(void* buffer, std::int32_t count) override;
  std::int32_t Write(const void*, std::int32_t) override { return 0; }
  std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;
  std::int64_t Size() override { return static_cast<std::int64_t>(bytes_.size()); }

 private:
  std::span<const unsigned char> bytes_;
  EventLog* log_;
  std::int32_t max_per_read_;
  std::int64_t position_ = 0;
};

// Collects what is written, taking at most `capacity` bytes in all (a full disk), and logs
// each call.
class LoggingSink : public Stream {
 public:
  explicit LoggingSink(EventLog* log,
                       std::int64_t capacity = std::numeric_limits<std::int64_t>::max())
      : log_(log), capacity_(capacity) {}

  std::int32_t Read(void*, std::int32_t) override { return 0; }
  std::int32_t Write(const void* buffer, std::int32_t count) override;
  std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;
  std::int64_t Size() override { return static_cast<std::int64_t>(bytes_.size()); }

  const std::vector<unsigned char>& Bytes() const { return bytes_; }

 private:
  EventLog* log_;
  std::int64_t capacity_;
  std::vector<unsigned char> bytes_;
};

}  // namespace brontel::testing
