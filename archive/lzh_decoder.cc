#include "archive/lzh_decoder.h"

#include <cstring>
#include <memory>

#include "archive/lzh_offset_code.h"
#include "archive/lzh_tree.h"

namespace brontel::engine {

namespace {

constexpr int kWindowSize = 4096;
constexpr int kMaxMatch = 60;
constexpr int kLengthBias = lzh::kSymbols - kMaxMatch - 1;  // symbol - 253 = match length
static_assert(kHistorySize == kWindowSize && kOutSlack >= 64);

// The fast path decodes a symbol and its offset from one 64-bit load. A tree whose root weighs
// at most 0x8000 is at most 21 levels deep (a leaf at depth d needs a root weight of at least
// the (d + 2)th Fibonacci number), and an offset takes at most 14 bits; deeper walks, which
// cannot occur, would go the careful way.
constexpr int kFastWordBits = 57;  // bits a load holds after shifting by up to 7
constexpr int kMaxOffsetBits = 14;
constexpr int kFastSymbolBits = kFastWordBits - kMaxOffsetBits;

// The sliding window is the output itself: the engine's buffer keeps the 4096 bytes before its
// content, so the byte `distance` back from the write position is always at Out()[pos -
// distance]. The window starts as 4096 spaces, and window position (4036 + n) mod 4096 holds
// output byte n, so a match reaching before the first byte reads spaces, as from the initial
// window. (A well-formed body never reads positions 4036..4095 before writing them; here they
// read as spaces too.)
struct LzhState {
  lzh::LzhTree tree;
};

// Bits are addressed by `bit_`, a bit position in the reader's buffer (bit 0 is the top bit of
// byte 0, the byte carried over from the previous chunk). Bytes fetched by a one-byte-at-a-time
// reader that keeps at most 16 bits ahead follow from the bit position alone: it asks for the
// byte after the chunk when a read of bits begins at or past the chunk's last byte. Both paths
// therefore refill exactly there, and the fast path runs only where no refill can fall.
class LzhDecoder {
 public:
  LzhDecoder(EngineIo& io, LzhState& state) : io_(io), tree_(state.tree) {}

  void Run(std::int32_t destsize) {
    std::memset(io_.Out() - kHistorySize, ' ', kHistorySize);
    std::int64_t produced = 0;
    while (produced < destsize) {
      produced = RunFast(produced, destsize);
      if (produced >= destsize) break;
      // Near the end of the input chunk or of the output buffer: one symbol the careful way.
      int offset = 0;
      const int symbol = DecodeUnit(offset);
      if (symbol < 256) {
        io_.EmitByte(static_cast<unsigned char>(symbol));
        ++produced;
      } else {
        const int length = symbol - kLengthBias;
        for (int k = 0; k < length; ++k) io_.EmitByte(io_.Out()[io_.OutPos() - offset - 1]);
        produced += length;
      }
    }
  }

 private:
  // Decodes symbols while the input chunk holds enough bits for the longest symbol and offset
  // and the output buffer has room for the longest match, so that no refill and no write can
  // fall inside; works on local copies of the positions. Returns the new count of bytes
  // produced.
  std::int64_t RunFast(std::int64_t produced, std::int32_t destsize) {
    const unsigned char* in = io_.In();
    const int bit_limit = 8 * io_.InEnd() - 8 - 64;
    unsigned char* out = io_.Out();
    int pos = io_.OutPos();
    int bit = bit_;
    while (produced < destsize && bit <= bit_limit && pos <= kChunkSize - kMaxMatch) {
      std::uint64_t word = Load64(in, bit);
      int used = 0;
      const int symbol = WalkAndBump(word, used);
      if (symbol < 0) break;
      bit += used;
      if (symbol < 256) {
        out[pos++] = static_cast<unsigned char>(symbol);
        ++produced;
      } else {
        int offset_bits = 0;
        const int offset = OffsetFromWord(word << used, offset_bits);
        bit += offset_bits;
        const int length = symbol - kLengthBias;
        CopyMatch(out + pos, length, offset + 1);
        pos += length;
        produced += length;
      }
    }
    io_.SetOutPos(pos);
    bit_ = bit;
    return produced;
  }

  // One symbol and, for a match, its offset; from a whole word when the chunk holds enough
  // bits, else bit by bit with refills where they fall.
  int DecodeUnit(int& offset) {
    if (bit_ <= 8 * io_.InEnd() - 8 - 64) {
      const std::uint64_t word = Load64(io_.In(), bit_);
      int used = 0;
      const int symbol = WalkAndBump(word, used);
      if (symbol >= 0) {
        bit_ += used;
        if (symbol >= 256) {
          int offset_bits = 0;
          offset = OffsetFromWord(word << used, offset_bits);
          bit_ += offset_bits;
        }
        return symbol;
      }
    }
    const int symbol = DecodeSymbol();
    if (symbol >= 256) offset = DecodeOffset();
    return symbol;
  }

  // Walks the tree by the bits of `word` and counts the symbol; -1 (tree untouched) for a code
  // too long for the fast path.
  // Inlined into the fast loop, where the walk and the update keep their state in registers.
  __attribute__((always_inline)) int WalkAndBump(std::uint64_t word, int& used) {
    const std::uint16_t* child = tree_.Children();
    std::uint16_t path[lzh::kSymbols];
    unsigned c = child[lzh::kRoot];
    int depth = 0;
    while (c < lzh::kLeafBase) {
      // The bit picks the row, so the next load waits only for the previous one.
      const auto bit = static_cast<unsigned>(word >> 63);
      path[depth++] = static_cast<std::uint16_t>(c + bit);
      const std::uint16_t* row = child + bit;
      asm("" : "+r"(row));  // keeps the compiler from folding the bit back into the index
      c = row[c];
      word <<= 1;
    }
    if (depth > kFastSymbolBits) return -1;
    const int symbol = static_cast<int>(c - lzh::kLeafBase);
    tree_.BumpAlong(symbol, path, depth);
    used = depth;
    return symbol;
  }

  // The offset whose code begins at the top of `word`; sets `bits` to its length.
  static int OffsetFromWord(std::uint64_t word, int& bits) {
    const lzh::OffsetDecodeTables& offsets = lzh::OffsetTables();
    const auto b = static_cast<unsigned>(word >> 56);
    const int length = offsets.length[b];
    bits = length + 6;
    return offsets.upper[b] * 64 + static_cast<int>((word >> (58 - length)) & 63);
  }

  static std::uint64_t Load64(const unsigned char* in, int bit) {
    std::uint64_t word;
    std::memcpy(&word, in + (bit >> 3), sizeof word);
    return __builtin_bswap64(word) << (bit & 7);
  }

  // The next n bits (1..8), most significant first.
  unsigned NextBits(int n) {
    if (bit_ >= 8 * io_.InEnd() - 8) {
      const int carried = 8 * (io_.InEnd() - 1);
      io_.Refill();
      bit_ -= carried;
    }
    const unsigned char* in = io_.In() + (bit_ >> 3);
    const unsigned pair = ((unsigned{in[0]} << 8) | in[1]) << (bit_ & 7);
    bit_ += n;
    return (pair >> (16 - n)) & ((1u << n) - 1);
  }

  int DecodeSymbol() {
    const std::uint16_t* child = tree_.Children();
    unsigned c = child[lzh::kRoot];
    while (c < lzh::kLeafBase) c = child[c + NextBits(1)];
    const int symbol = static_cast<int>(c - lzh::kLeafBase);
    tree_.Bump(symbol);
    return symbol;
  }

  int DecodeOffset() {
    const lzh::OffsetDecodeTables& offsets = lzh::OffsetTables();
    const unsigned b = NextBits(8);
    const int length = offsets.length[b];
    const unsigned low = ((b << (length - 2)) | NextBits(length - 2)) & 63;
    return offsets.upper[b] * 64 + static_cast<int>(low);
  }

  // Copies `length` bytes starting `distance` (1..4096) bytes before `dst`; the copy may
  // overlap the bytes it produces, repeating them. `dst` has room for 64 bytes.
  static void CopyMatch(unsigned char* dst, int length, int distance) {
    const unsigned char* src = dst - distance;
    if (distance >= 16) {
      // Whole 16-byte pieces, each read after the pieces before it were written.
      for (int k = 0; k < 64; k += 16) std::memcpy(dst + k, src + k, 16);
    } else if (distance >= 8) {
      for (int k = 0; k < length; k += 8) std::memcpy(dst + k, src + k, 8);
    } else {
      for (int k = 0; k < length; ++k) dst[k] = src[k];
    }
  }

  EngineIo& io_;
  lzh::LzhTree& tree_;
  int bit_ = 8;  // nothing fetched yet: the chunk is empty and the carried byte used up
};

}  // namespace

void ExpandLzh(EngineIo& io, std::int32_t destsize) {
  if (destsize <= 0) return;
  auto state = std::make_unique<LzhState>();
  LzhDecoder(io, *state).Run(destsize);
}

}  // namespace brontel::engine
