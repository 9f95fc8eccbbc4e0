// Shared by the codec fuzz targets: how the first bytes of an input choose the expansion's
// parameters, and the check that ends a run when an invariant breaks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

#define CODEC_FUZZ_CHECK(condition)                                                          \
  do {                                                                                       \
    if (!(condition)) {                                                                      \
      std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                          \
    }                                                                                        \
  } while (0)

namespace brontel::fuzz {

// Layout: destsize (2 bytes, little-endian; times 16 with flag 0x03), flags, read limit, body.
struct CodecFuzzInput {
  std::int32_t destsize = 0;
  std::int32_t max_per_read = 0x7FFFFFFF;  // short reads when limited
  bool with_progress = true;
  std::int32_t claimed_extra = 0;  // Sourcesize claims this many bytes more than the source has
  std::span<const unsigned char> body;
};

inline bool ParseCodecFuzzInput(const std::uint8_t* data, std::size_t size, CodecFuzzInput& input) {
  if (size < 4) return false;
  const std::uint8_t flags = data[2];
  input.destsize = static_cast<std::int32_t>(data[0] | (data[1] << 8));
  if ((flags & 3) == 3) input.destsize *= 16;
  if (flags & 0x04) input.destsize = -input.destsize;
  if (flags & 0x08) input.max_per_read = 1 + data[3] * 37;
  input.with_progress = (flags & 0x10) == 0;
  if (flags & 0x20) input.claimed_extra = 1 + data[3] * 64;
  input.body = std::span<const unsigned char>(data + 4, size - 4);
  return true;
}

}  // namespace brontel::fuzz
