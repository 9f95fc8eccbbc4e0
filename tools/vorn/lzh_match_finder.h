// Finds earlier occurrences of the bytes at a position, for the LZH encoder: hash chains over
// three-byte prefixes, limited to the 4096 bytes that the decoder's window still holds.
#pragma once

#include <cstdint>
#include <vector>

namespace brontel::vorn {

struct LzhMatch {
  int length = 0;    // 0 when there is no match of at least three bytes
  int distance = 0;  // 1..4096 bytes back
};

class LzhMatchFinder {
 public:
  static constexpr int kMaxDistance = 4096;

  // `text` holds `size` bytes followed by at least 8 readable bytes; it must outlive the finder.
  LzhMatchFinder(const unsigned char* text, int size);

  // Adds position `pos` to the chains. Positions are added in increasing order; those within
  // three bytes of the end are ignored.
  void Insert(int pos);

  // The longest earlier occurrence of the bytes at `pos`, at most `max_length` bytes long and
  // at most kMaxDistance back (positions below 0 do not exist). Looks at no more than
  // `max_chain` candidates and stops early at `good_length`. The nearest wins among equals.
  LzhMatch Longest(int pos, int max_length, int max_chain, int good_length) const;

 private:
  static constexpr int kHashBits = 15;
  static constexpr int kPrevSize = 2 * kMaxDistance;  // chains of the window never overwritten

  std::uint32_t Hash(int pos) const;
  int MatchLength(int a, int b, int max_length) const;

  const unsigned char* text_;
  int size_;
  std::vector<std::int32_t> head_;
  std::vector<std::int32_t> prev_;
};

}  // namespace brontel::vorn
