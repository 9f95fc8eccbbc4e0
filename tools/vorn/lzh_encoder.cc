#include <algorithm>
#include <cassert>
#include <cstdint>
#include <limits>
#include <stdexcept>

#include "archive/lzh_offset_code.h"
#include "archive/lzh_tree.h"
#include "tools/vorn/bit_writer.h"
#include "tools/vorn/encoders.h"
#include "tools/vorn/lzh_match_finder.h"

namespace brontel::vorn {

namespace {

constexpr int kWindowSize = 4096;
constexpr int kMaxMatch = 60;
constexpr int kMinMatch = 3;
// The decoder's window starts with this many spaces before the first byte it writes.
constexpr int kLeadingSpaces = kWindowSize - kMaxMatch;
constexpr int kLengthBias = lzh::kSymbols - kMaxMatch - 1;

// Search effort: candidates looked at per position, and a length that is good enough to stop.
constexpr int kMaxChain = 48;
constexpr int kGoodLength = kMaxMatch;
// A match at least this long is taken without looking one byte further for a longer one.
constexpr int kLazyLimit = 32;

class SymbolWriter {
 public:
  explicit SymbolWriter(std::vector<unsigned char>& out) : bits_(out) {}

  void Literal(unsigned char b) { Symbol(b); }

  void Match(int length, int distance) {
    Symbol(kLengthBias + length);
    const int offset = distance - 1;
    const lzh::OffsetCode code = lzh::UpperOffsetCode(offset >> 6);
    bits_.Put(code.bits, code.length);
    bits_.Put(static_cast<std::uint32_t>(offset & 63), 6);
  }

  void Finish() { bits_.Finish(); }

 private:
  // The symbol's code is the path from the root to its leaf; a node's lowest bit tells which
  // child it is.
  void Symbol(int symbol) {
    std::uint64_t code = 0;
    int length = 0;
    for (int node = tree_.LeafOf(symbol); node != lzh::kRoot; node = tree_.Parent(node)) {
      code |= std::uint64_t(node & 1) << length;
      ++length;
    }
    assert(length <= 48);  // a tree whose root weighs at most 0x8000 is far shallower
    if (length > 24) {
      bits_.Put(static_cast<std::uint32_t>(code >> 24), length - 24);
      length = 24;
    }
    bits_.Put(static_cast<std::uint32_t>(code), length);
    tree_.Bump(symbol);
  }

  lzh::LzhTree tree_;
  BitWriter bits_;
};

}  // namespace

std::vector<unsigned char> EncodeLzh(std::span<const unsigned char> input) {
  std::vector<unsigned char> out;
  if (input.empty()) return out;
  // Positions are ints; an archive entry's size is a signed 32-bit number anyway.
  if (input.size() >
      static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max() - kWindowSize)) {
    throw std::length_error("input too large for an LZH body");
  }
  out.reserve(input.size() / 2 + 64);

  // The decoder's window as a text: the leading spaces, then the input, then padding for the
  // match finder's word compares. Matches may reach back into the spaces, never before them.
  const int size = kLeadingSpaces + static_cast<int>(input.size());
  std::vector<unsigned char> text(static_cast<std::size_t>(size) + 8, 0);
  std::fill(text.begin(), text.begin() + kLeadingSpaces, ' ');
  std::copy(input.begin(), input.end(), text.begin() + kLeadingSpaces);

  LzhMatchFinder finder(text.data(), size);
  for (int pos = 0; pos < kLeadingSpaces; ++pos) finder.Insert(pos);

  SymbolWriter writer(out);
  auto find = [&](int pos) {
    return finder.Longest(pos, std::min(kMaxMatch, size - pos), kMaxChain, kGoodLength);
  };

  // Lazy parsing: a match found at pos is held back while the next position offers a longer
  // one, in which case the byte at pos goes out as a literal.
  int pos = kLeadingSpaces;
  while (pos < size) {
    LzhMatch match = find(pos);
    finder.Insert(pos);
    if (match.length < kMinMatch) {
      writer.Literal(text[pos]);
      ++pos;
      continue;
    }
    while (match.length < kLazyLimit && pos + 1 < size) {
      const LzhMatch next = find(pos + 1);
      if (next.length <= match.length) break;
      writer.Literal(text[pos]);
      ++pos;
      finder.Insert(pos);
      match = next;
    }
    writer.Match(match.length, match.distance);
    for (int k = 1; k < match.length; ++k) finder.Insert(pos + k);
    pos += match.length;
  }
  writer.Finish();
  return out;
}

}  // namespace brontel::vorn
