// Builds LZH bodies symbol by symbol for tests, following the adaptive tree as the decoder
// will, so a test can state exactly which literals and matches a body holds.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "archive/lzh_offset_code.h"
#include "archive/lzh_tree.h"

namespace brontel::testing {

class LzhStreamBuilder {
 public:
  LzhStreamBuilder& Literal(unsigned char b) { return Symbol(b); }

  // A match of `length` (3..60) bytes whose start is `offset` + 1 bytes back.
  LzhStreamBuilder& Match(int length, int offset) {
    Symbol(length + 253);
    const lzh::OffsetCode code = lzh::UpperOffsetCode(offset >> 6);
    Put(code.bits, code.length);
    Put(static_cast<unsigned>(offset & 63), 6);
    return *this;
  }

  // Raw bits, written as '0' and '1'.
  LzhStreamBuilder& Bits(std::string_view bits) {
    bits_ += bits;
    return *this;
  }

  // The body so far, the last byte padded with zero bits.
  std::vector<unsigned char> Bytes() const { return Pack(bits_); }

  static std::vector<unsigned char> Pack(std::string_view bits) {
    std::vector<unsigned char> bytes((bits.size() + 7) / 8, 0);
    for (std::size_t i = 0; i < bits.size(); ++i) {
      if (bits[i] == '1') bytes[i / 8] |= static_cast<unsigned char>(0x80 >> (i % 8));
    }
    return bytes;
  }

 private:
  LzhStreamBuilder& Symbol(int symbol) {
    std::string code;
    for (int node = tree_.LeafOf(symbol); node != lzh::kRoot; node = tree_.Parent(node)) {
      code.insert(code.begin(), (node & 1) ? '1' : '0');
    }
    bits_ += code;
    tree_.Bump(symbol);
    return *this;
  }

  void Put(unsigned value, int count) {
    for (int i = count - 1; i >= 0; --i) bits_ += ((value >> i) & 1) ? '1' : '0';
  }

  lzh::LzhTree tree_;
  std::string bits_;
};

}  // namespace brontel::testing
