// Invariant: for any RLE body and pattern of short or missing source bytes, the engine reads
// the body to its end and never past it, emits at most 254 bytes per body byte whatever
// Destsize says, and behaves exactly like the plain model (see RunAgainstModel): same bytes,
// checksum, reads, progress calls and writes. A body re-encoded from its output by the tool's
// rules decodes to the same output.
#include <cstddef>
#include <cstdint>

#include "fuzz/codec_fuzz_run.h"
#include "tools/vorn/encoders.h"

namespace brontel::fuzz {

int FuzzRleDecode(const std::uint8_t* data, std::size_t size) {
  CodecFuzzInput input;
  if (!ParseCodecFuzzInput(data, size, input)) return 0;
  const testing::Expansion e = RunAgainstModel(input, kMethodRle);
  CODEC_FUZZ_CHECK(e.bytes.size() <= input.body.size() * 254);
  CODEC_FUZZ_CHECK(e.source_end == static_cast<std::int64_t>(input.body.size()));

  const std::vector<unsigned char> again = vorn::EncodeRle(e.bytes);
  const testing::Expansion round =
      testing::Expand(again, static_cast<std::int32_t>(e.bytes.size()), kMethodRle);
  CODEC_FUZZ_CHECK(round.bytes == e.bytes);
  return 0;
}

}  // namespace brontel::fuzz

#ifndef BRONTEL_FUZZ_REPLAY
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return brontel::fuzz::FuzzRleDecode(data, size);
}
#endif
