#include "tools/vorn/encoders.h"

#include <algorithm>

namespace brontel::vorn {

namespace {

constexpr unsigned char kRunMarker = 0x94;
constexpr std::size_t kLongestPiece = 255;

}  // namespace

std::vector<unsigned char> EncodeRle(std::span<const unsigned char> input) {
  std::vector<unsigned char> out;
  out.reserve(input.size() + input.size() / 64 + 16);
  std::size_t i = 0;
  while (i < input.size()) {
    const unsigned char b = input[i];
    if (b == kRunMarker) {
      // The marker never forms a run: each one is escaped on its own.
      out.push_back(kRunMarker);
      out.push_back(0);
      ++i;
      continue;
    }
    std::size_t run = 1;
    while (i + run < input.size() && input[i + run] == b) ++run;
    i += run;
    // Every piece starts with the plain byte, which the count then repeats.
    while (run > 0) {
      const std::size_t piece = std::min(run, kLongestPiece);
      out.push_back(b);
      if (piece == 2) {
        out.push_back(b);
      } else if (piece >= 3) {
        out.push_back(kRunMarker);
        out.push_back(static_cast<unsigned char>(piece));
      }
      run -= piece;
    }
  }
  return out;
}

}  // namespace brontel::vorn
