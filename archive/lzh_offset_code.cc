#include "archive/lzh_offset_code.h"

namespace brontel::lzh {

namespace {

// Code lengths by value: short codes for near matches, which are the most frequent.
constexpr int CodeLength(int upper) {
  if (upper < 1) return 3;
  if (upper < 4) return 4;
  if (upper < 12) return 5;
  if (upper < 24) return 6;
  if (upper < 48) return 7;
  return 8;
}

// Canonical assignment: each code is the previous one plus one, shifted left when the length
// grows.
constexpr std::array<OffsetCode, 64> BuildCodes() {
  std::array<OffsetCode, 64> codes{};
  int code = 0;
  for (int u = 0; u < 64; ++u) {
    if (u > 0) code = (code + 1) << (CodeLength(u) - CodeLength(u - 1));
    codes[u] = {static_cast<std::uint8_t>(code), static_cast<std::uint8_t>(CodeLength(u))};
  }
  return codes;
}

constexpr std::array<OffsetCode, 64> kCodes = BuildCodes();

constexpr OffsetDecodeTables BuildTables() {
  OffsetDecodeTables tables{};
  for (int u = 0; u < 64; ++u) {
    const int spare = 8 - kCodes[u].length;
    const int first = kCodes[u].bits << spare;
    for (int b = first; b < first + (1 << spare); ++b) {
      tables.upper[b] = static_cast<std::uint8_t>(u);
      tables.length[b] = kCodes[u].length;
    }
  }
  return tables;
}

constexpr OffsetDecodeTables kTables = BuildTables();

static_assert(kCodes[63].bits == 0xFF, "the code must fill the 8-bit space exactly");
static_assert(kTables.upper[31] == 0 && kTables.upper[32] == 1 && kTables.length[240] == 8);

}  // namespace

const OffsetDecodeTables& OffsetTables() { return kTables; }

OffsetCode UpperOffsetCode(int upper) { return kCodes[upper & 63]; }

}  // namespace brontel::lzh
