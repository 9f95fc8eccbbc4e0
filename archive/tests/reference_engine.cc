#include "archive/tests/reference_engine.h"

#include <algorithm>
#include <vector>

namespace brontel::testing {

namespace {

constexpr int kBufferSize = 8192;
constexpr int kN = 4096;
constexpr int kF = 60;
constexpr int kT = 627;
constexpr int kR = kT - 1;
constexpr unsigned kMaxFreq = 0x8000;

class Model {
 public:
  Model(const TShowProgressEvent& progress, Stream& dest, Stream& source, std::int32_t size)
      : progress_(progress),
        dest_(dest),
        source_(source),
        left_(std::max(size, 0)),
        in_(kBufferSize),
        out_(kBufferSize) {}

  unsigned FetchByte() {
    if (in_pos_ < in_len_) return in_[in_pos_++];
    eof_ = true;
    if (left_ == 0) return 0;
    const std::int32_t got = source_.Read(in_.data(), std::min(kBufferSize, left_));
    left_ -= got;
    if (got == 0) return 0;
    if (progress_) {
      consumed_ += got;
      auto percentage = static_cast<std::int32_t>(consumed_ * 100 / (consumed_ + left_));
      progress_(percentage);
    }
    in_len_ = got;
    in_pos_ = 1;
    eof_ = false;
    return in_[0];
  }

  void EmitByte(unsigned b) {
    if (out_len_ == kBufferSize) {
      dest_.WriteBuffer(out_.data(), kBufferSize);
      out_len_ = 0;
    }
    out_[out_len_++] = static_cast<unsigned char>(b);
    sum_ += b;
  }

  void Finish(std::uint32_t& checksum) {
    checksum = sum_;
    if (out_len_ > 0) dest_.WriteBuffer(out_.data(), out_len_);
  }

  void ExpandRle() {
    for (;;) {
      const unsigned c = FetchByte();
      if (eof_) return;
      if (c != 0x94) {
        EmitByte(c);
      } else {
        const unsigned n = FetchByte();
        if (n == 0) {
          EmitByte(0x94);
        } else {
          for (unsigned k = 1; k < n; ++k) EmitByte(previous_);
        }
      }
      previous_ = c;
    }
  }

  void ExpandLzh(std::int32_t destsize, unsigned char unwritten_fill) {
    if (destsize == 0) return;
    ResetCoder();
    std::vector<unsigned char> window(kN, ' ');
    std::fill(window.begin() + (kN - kF), window.end(), unwritten_fill);
    int r = kN - kF;
    std::int64_t produced = 0;
    while (produced < destsize) {
      const int s = DecodeSymbol();
      if (s < 256) {
        EmitByte(static_cast<unsigned>(s));
        window[r] = static_cast<unsigned char>(s);
        r = (r + 1) % kN;
        ++produced;
      } else {
        const int o = DecodeOffset();
        const int start = ((r - o - 1) % kN + kN) % kN;
        for (int k = 0; k < s - 253; ++k) {
          const unsigned char b = window[(start + k) % kN];
          EmitByte(b);
          window[r] = b;
          r = (r + 1) % kN;
          ++produced;
        }
      }
    }
  }

 private:
  unsigned NextBits(int n) {
    if (count_ <= 8) {
      bits_ |= FetchByte() << (8 - count_);
      count_ += 8;
    }
    const unsigned result = bits_ >> (16 - n);
    bits_ = (bits_ << n) & 0xFFFF;
    count_ -= n;
    return result;
  }

  void ResetCoder() {
    for (int s = 0; s < 314; ++s) {
      freq_[s] = 1;
      son_[s] = kT + s;
      prnt_[kT + s] = s;
    }
    for (int k = 314; k < kT; ++k) {
      const int i = 2 * (k - 314);
      freq_[k] = freq_[i] + freq_[i + 1];
      son_[k] = i;
      prnt_[i] = k;
      prnt_[i + 1] = k;
    }
    freq_[kT] = 0xFFFF;
    prnt_[kR] = 0;
    bits_ = 0;
    count_ = 0;
  }

  int DecodeSymbol() {
    unsigned c = son_[kR];
    while (c < kT) c = son_[c + NextBits(1)];
    const int s = static_cast<int>(c) - kT;
    BumpSymbol(s);
    return s;
  }

  void BumpSymbol(int s) {
    if (freq_[kR] == kMaxFreq) RescaleTree();
    unsigned c = prnt_[s + kT];
    do {
      const unsigned k = ++freq_[c];
      if (k > freq_[c + 1]) {
        unsigned l = c + 2;
        while (freq_[l] < k) ++l;
        --l;
        freq_[c] = freq_[l];
        freq_[l] = static_cast<std::uint16_t>(k);
        const unsigned i = son_[c];
        prnt_[i] = l;
        if (i < kT) prnt_[i + 1] = l;
        const unsigned j = son_[l];
        son_[l] = i;
        prnt_[j] = c;
        if (j < kT) prnt_[j + 1] = c;
        son_[c] = j;
        c = l;
      }
      c = prnt_[c];
    } while (c != 0);
  }

  void RescaleTree() {
    int j = 0;
    for (int i = 0; i < kT; ++i) {
      if (son_[i] >= kT) {
        freq_[j] = (freq_[i] + 1) / 2;
        son_[j] = son_[i];
        ++j;
      }
    }
    for (int k = 314; k < kT; ++k) {
      const int i = 2 * (k - 314);
      const unsigned f = freq_[i] + freq_[i + 1];
      int q = k - 1;
      while (f < freq_[q]) --q;
      const int p = q + 1;
      for (int m = k; m > p; --m) {
        freq_[m] = freq_[m - 1];
        son_[m] = son_[m - 1];
      }
      freq_[p] = static_cast<std::uint16_t>(f);
      son_[p] = static_cast<std::uint16_t>(i);
    }
    for (int k = 0; k < kT; ++k) {
      const unsigned c = son_[k];
      prnt_[c] = k;
      if (c < kT) prnt_[c + 1] = k;
    }
  }

  // The code of the upper six bits, read from the rows of its table: first entry of each row,
  // the value it starts with, and the code length.
  static void UpperBits(unsigned b, unsigned& upper, int& length) {
    struct Row {
      unsigned first;
      unsigned value;
      int length;
    };
    static const Row kRows[] = {{0, 0, 3},    {32, 1, 4},   {80, 4, 5},
                                {144, 12, 6}, {192, 24, 7}, {240, 48, 8}};
    const Row* row = &kRows[0];
    for (const Row& candidate : kRows) {
      if (b >= candidate.first) row = &candidate;
    }
    length = row->length;
    upper = row->value + ((b - row->first) >> (8 - row->length));
  }

  int DecodeOffset() {
    const unsigned b = NextBits(8);
    unsigned upper;
    int length;
    UpperBits(b, upper, length);
    const unsigned low = ((b << (length - 2)) | NextBits(length - 2)) & 63;
    return static_cast<int>(upper * 64 + low);
  }

  const TShowProgressEvent& progress_;
  Stream& dest_;
  Stream& source_;
  std::int32_t left_;
  std::int64_t consumed_ = 0;
  bool eof_ = false;
  std::vector<unsigned char> in_;
  std::int32_t in_pos_ = 0;
  std::int32_t in_len_ = 0;
  std::vector<unsigned char> out_;
  std::int32_t out_len_ = 0;
  std::uint32_t sum_ = 0;
  unsigned previous_ = 0;

  unsigned bits_ = 0;
  int count_ = 0;
  std::uint16_t freq_[kT + 1] = {};
  std::uint16_t son_[kT] = {};
  std::uint16_t prnt_[kT + 314] = {};
};

}  // namespace

void ReferenceExpandBody(const TShowProgressEvent& on_progress, Stream& dest, Stream& source,
                         std::int32_t Sourcesize, std::int32_t Destsize, int method,
                         std::uint32_t& checksum, unsigned char unwritten_fill) {
  Model model(on_progress, dest, source, Sourcesize);
  if (method == kMethodRle) model.ExpandRle();
  if (method == kMethodLzh) model.ExpandLzh(Destsize, unwritten_fill);
  model.Finish(checksum);
}

}  // namespace brontel::testing
