// Collects bits most significant first into bytes; the last byte is padded with zero bits.
#pragma once

#include <cstdint>
#include <vector>

namespace brontel::vorn {

class BitWriter {
 public:
  explicit BitWriter(std::vector<unsigned char>& out) : out_(out) {}

  // Appends the low `count` bits of `bits` (count 0..32).
  void Put(std::uint32_t bits, int count) {
    if (count == 0) return;
    acc_ = (acc_ << count) | (bits & ((std::uint64_t{1} << count) - 1));
    pending_ += count;
    while (pending_ >= 8) {
      pending_ -= 8;
      out_.push_back(static_cast<unsigned char>(acc_ >> pending_));
    }
  }

  // Writes the bits still pending, padded with zeros to a whole byte.
  void Finish() {
    if (pending_ > 0) out_.push_back(static_cast<unsigned char>(acc_ << (8 - pending_)));
    pending_ = 0;
  }

 private:
  std::vector<unsigned char>& out_;
  std::uint64_t acc_ = 0;
  int pending_ = 0;  // bits in acc_ not yet written, always below 8 between calls
};

}  // namespace brontel::vorn
