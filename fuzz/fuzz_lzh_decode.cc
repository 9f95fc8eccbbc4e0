// Invariant: for any LZH body, Destsize and pattern of short or missing source bytes, the
// engine emits nothing when Destsize <= 0 and otherwise between Destsize and Destsize + 59
// bytes, and never reads past the body (it may stop before the end of a body that holds more
// symbols than Destsize needs). Beyond that it
// behaves exactly like the plain model (see RunAgainstModel): same bytes, checksum, reads,
// progress calls and writes, so the fast paths never change what a caller can see. And the
// tool's encoder turns that output (up to 64 KB, to keep runs quick) into a body that decodes
// back to it and is read exactly to its end.
#include <cstddef>
#include <cstdint>

#include "fuzz/codec_fuzz_run.h"
#include "tools/vorn/encoders.h"

namespace brontel::fuzz {

int FuzzLzhDecode(const std::uint8_t* data, std::size_t size) {
  CodecFuzzInput input;
  if (!ParseCodecFuzzInput(data, size, input)) return 0;
  const testing::Expansion e = RunAgainstModel(input, kMethodLzh);
  const auto produced = static_cast<std::int64_t>(e.bytes.size());
  if (input.destsize <= 0) {
    CODEC_FUZZ_CHECK(produced == 0 && e.events.empty());
  } else {
    CODEC_FUZZ_CHECK(produced >= input.destsize && produced <= input.destsize + 59);
  }

  if (e.bytes.size() > 65536) return 0;
  const std::vector<unsigned char> again = vorn::EncodeLzh(e.bytes);
  const testing::Expansion round =
      testing::Expand(again, static_cast<std::int32_t>(e.bytes.size()), kMethodLzh);
  CODEC_FUZZ_CHECK(round.bytes == e.bytes);
  CODEC_FUZZ_CHECK(round.source_end == static_cast<std::int64_t>(again.size()));
  return 0;
}

}  // namespace brontel::fuzz

#ifndef BRONTEL_FUZZ_REPLAY
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return brontel::fuzz::FuzzLzhDecode(data, size);
}
#endif
