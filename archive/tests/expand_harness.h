// Runs an expansion over logging streams and gathers everything a caller can observe of it.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "archive/method_engine.h"
#include "archive/tests/recording_streams.h"
#include "archive/tests/reference_engine.h"

namespace brontel::testing {

struct Expansion {
  std::vector<unsigned char> bytes;
  std::uint32_t checksum = 0;
  EventLog events;              // reads, progress calls and writes in order
  std::int64_t source_end = 0;  // the source position afterwards
};

struct ExpandOptions {
  std::int32_t max_per_read = 0x7FFFFFFF;
  bool with_progress = true;
  bool reference = false;              // run the plain model instead of the engine
  unsigned char unwritten_fill = ' ';  // the plain model's window tail before it is written
};

inline std::vector<std::int64_t> Progress(const EventLog& events) {
  std::vector<std::int64_t> values;
  for (const StreamEvent& e : events) {
    if (e.kind == StreamEvent::kProgress) values.push_back(e.asked);
  }
  return values;
}

inline std::vector<std::int64_t> Writes(const EventLog& events) {
  std::vector<std::int64_t> sizes;
  for (const StreamEvent& e : events) {
    if (e.kind == StreamEvent::kWrite) sizes.push_back(e.asked);
  }
  return sizes;
}

inline std::int64_t BytesRead(const EventLog& events) {
  std::int64_t total = 0;
  for (const StreamEvent& e : events) {
    if (e.kind == StreamEvent::kRead) total += e.done;
  }
  return total;
}

// `source_bytes` is the whole source stream; the body starts at its first byte.
inline Expansion Expand(std::span<const unsigned char> source_bytes, std::int32_t sourcesize,
                        std::int32_t destsize, int method, const ExpandOptions& options = {}) {
  Expansion result;
  LoggingSource source(source_bytes, &result.events, options.max_per_read);
  LoggingSink dest(&result.events);
  TShowProgressEvent progress;
  if (options.with_progress) {
    progress = [&result](std::int32_t& percentage) {
      result.events.push_back({StreamEvent::kProgress, percentage, 0});
    };
  }
  if (options.reference) {
    ReferenceExpandBody(progress, dest, source, sourcesize, destsize, method, result.checksum,
                        options.unwritten_fill);
  } else {
    ExpandBody(progress, dest, source, sourcesize, destsize, method, result.checksum);
  }
  result.bytes = dest.Bytes();
  result.source_end = source.Position();
  return result;
}

inline Expansion Expand(std::span<const unsigned char> body, std::int32_t destsize, int method,
                        const ExpandOptions& options = {}) {
  return Expand(body, static_cast<std::int32_t>(body.size()), destsize, method, options);
}

inline std::uint32_t Sum(std::span<const unsigned char> bytes) {
  std::uint32_t sum = 0;
  for (unsigned char b : bytes) sum += b;
  return sum;
}

}  // namespace brontel::testing
