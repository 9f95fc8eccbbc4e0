// Runs one fuzz input through the engine and the plain model and checks what both share.
#pragma once

#include "archive/tests/expand_harness.h"
#include "fuzz/codec_fuzz_input.h"

namespace brontel::fuzz {

// Checks, for either method: no read beyond Sourcesize; every write but the last is 8192
// bytes; the checksum is the sum of the bytes written; and the engine's bytes, checksum,
// source position and sequence of reads, progress calls and writes equal the plain model's.
// Returns the engine's expansion.
inline testing::Expansion RunAgainstModel(const CodecFuzzInput& input, int method) {
  const auto sourcesize = static_cast<std::int32_t>(input.body.size()) + input.claimed_extra;
  testing::ExpandOptions options;
  options.max_per_read = input.max_per_read;
  options.with_progress = input.with_progress;
  const testing::Expansion e =
      testing::Expand(input.body, sourcesize, input.destsize, method, options);
  options.reference = true;
  const testing::Expansion r =
      testing::Expand(input.body, sourcesize, input.destsize, method, options);

  std::int64_t asked_total = 0;
  const std::vector<std::int64_t> writes = testing::Writes(e.events);
  for (std::size_t i = 0; i + 1 < writes.size(); ++i) CODEC_FUZZ_CHECK(writes[i] == 8192);
  for (const testing::StreamEvent& event : e.events) {
    if (event.kind == testing::StreamEvent::kRead) {
      CODEC_FUZZ_CHECK(event.asked > 0 && event.asked <= 8192);
      asked_total += event.done;
    }
    if (event.kind == testing::StreamEvent::kProgress) {
      CODEC_FUZZ_CHECK(event.asked >= 0 && event.asked <= 100);
    }
  }
  CODEC_FUZZ_CHECK(asked_total <= sourcesize);
  CODEC_FUZZ_CHECK(e.checksum == testing::Sum(e.bytes));
  CODEC_FUZZ_CHECK(e.bytes == r.bytes);
  CODEC_FUZZ_CHECK(e.checksum == r.checksum);
  CODEC_FUZZ_CHECK(e.events == r.events);
  CODEC_FUZZ_CHECK(e.source_end == r.source_end);
  return e;
}

}  // namespace brontel::fuzz
