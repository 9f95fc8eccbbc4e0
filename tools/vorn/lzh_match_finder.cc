#include "tools/vorn/lzh_match_finder.h"

#include <cstring>

namespace brontel::vorn {

LzhMatchFinder::LzhMatchFinder(const unsigned char* text, int size)
    : text_(text), size_(size), head_(1u << kHashBits, -1), prev_(kPrevSize, -1) {}

std::uint32_t LzhMatchFinder::Hash(int pos) const {
  const std::uint32_t v =
      (std::uint32_t{text_[pos]} << 16) | (std::uint32_t{text_[pos + 1]} << 8) | text_[pos + 2];
  return (v * 2654435761u) >> (32 - kHashBits);
}

void LzhMatchFinder::Insert(int pos) {
  if (pos + 3 > size_) return;
  const std::uint32_t h = Hash(pos);
  prev_[pos & (kPrevSize - 1)] = head_[h];
  head_[h] = pos;
}

int LzhMatchFinder::MatchLength(int a, int b, int max_length) const {
  int n = 0;
  while (n < max_length) {
    std::uint64_t x;
    std::uint64_t y;
    std::memcpy(&x, text_ + a + n, sizeof x);
    std::memcpy(&y, text_ + b + n, sizeof y);
    const std::uint64_t diff = x ^ y;
    if (diff != 0) {
      n += __builtin_ctzll(diff) / 8;  // little-endian: the first byte is the lowest
      break;
    }
    n += 8;
  }
  return n < max_length ? n : max_length;
}

LzhMatch LzhMatchFinder::Longest(int pos, int max_length, int max_chain, int good_length) const {
  LzhMatch best;
  if (max_length < 3 || pos + 3 > size_) return best;
  const int lowest = pos - kMaxDistance;
  int best_length = 2;
  int candidate = head_[Hash(pos)];
  while (candidate >= 0 && candidate >= lowest && max_chain-- > 0) {
    // The byte that would make this candidate better than the best so far decides first.
    if (text_[candidate + best_length] == text_[pos + best_length] &&
        text_[candidate] == text_[pos] && text_[candidate + 1] == text_[pos + 1]) {
      const int length = MatchLength(candidate, pos, max_length);
      if (length > best_length) {
        best_length = length;
        best.length = length;
        best.distance = pos - candidate;
        if (length >= good_length || length >= max_length) break;
      }
    }
    candidate = prev_[candidate & (kPrevSize - 1)];
  }
  return best;
}

}  // namespace brontel::vorn
