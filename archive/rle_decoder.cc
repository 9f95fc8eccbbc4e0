#include "archive/rle_decoder.h"

#include <cstring>

namespace brontel::engine {

namespace {

constexpr unsigned char kRunMarker = 0x94;

}  // namespace

void ExpandRle(EngineIo& io) {
  unsigned char previous = 0;
  for (;;) {
    // Plain bytes up to the next marker go across in one piece.
    const std::int32_t pos = io.InPos();
    const std::int32_t end = io.InEnd();
    if (pos < end) {
      const unsigned char* begin = io.In() + pos;
      const void* marker = std::memchr(begin, kRunMarker, static_cast<std::size_t>(end - pos));
      const std::int32_t plain =
          marker ? static_cast<std::int32_t>(static_cast<const unsigned char*>(marker) - begin)
                 : end - pos;
      if (plain > 0) {
        io.EmitBytes(begin, plain);
        previous = begin[plain - 1];
        io.SetInPos(pos + plain);
        continue;
      }
    }
    const unsigned char c = io.FetchByte();
    if (io.EndOfInput()) return;
    if (c != kRunMarker) {
      io.EmitByte(c);
    } else {
      const unsigned char count = io.FetchByte();  // a missing count reads as 0
      if (count == 0) {
        io.EmitByte(kRunMarker);
      } else {
        io.EmitRun(previous, count - 1);
      }
    }
    previous = c;
  }
}

}  // namespace brontel::engine
