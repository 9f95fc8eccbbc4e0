// The fixed prefix code for the upper six bits of an LZH match offset. The lower six bits follow
// the code as plain bits, so an offset of 0..4095 takes 9 to 14 bits.
#pragma once

#include <array>
#include <cstdint>

namespace brontel::lzh {

// Decoding tables indexed by the next eight bits of the stream: the upper six offset bits whose
// code those bits begin with, and the length (3..8) of that code.
struct OffsetDecodeTables {
  std::array<std::uint8_t, 256> upper;
  std::array<std::uint8_t, 256> length;
};
const OffsetDecodeTables& OffsetTables();

// The code of the upper six bits `upper` (0..63): its bits, right-aligned, and their count.
struct OffsetCode {
  std::uint8_t bits;
  std::uint8_t length;
};
OffsetCode UpperOffsetCode(int upper);

}  // namespace brontel::lzh
