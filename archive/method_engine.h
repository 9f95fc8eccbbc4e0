// The method engine: expands one RLE or LZH coded archive body through 8192-byte buffered
// reading and writing, reporting progress per chunk read and summing every byte it writes.
#pragma once

#include <cstdint>
#include <functional>

#include "base/stream.h"

namespace brontel {

// Progress of the body being decoded: body bytes read so far × 100 / Sourcesize.
using TShowProgressEvent = std::function<void(std::int32_t& PercentageDone)>;

inline constexpr int kMethodStored = 0;
inline constexpr int kMethodRle = 1;
inline constexpr int kMethodLzh = 2;
inline constexpr int kMethodCustom = 3;

// Expands the body at `source`'s position (Sourcesize bytes) into `dest` with method 1 (RLE) or
// 2 (LZH); `Destsize` is the expanded size that LZH decodes to. `checksum` receives the sum,
// modulo 2^32, of every byte written. Never reads more than Sourcesize bytes from `source`;
// a short source reads as zero bits. Raises EWriteError when `dest` takes fewer bytes than
// given, and whatever `on_progress` or the streams raise; buffers are released on every path.
// Bad data is no error here: it shows only in the checksum.
void ExpandBody(const TShowProgressEvent& on_progress, Stream& dest, Stream& source,
                std::int32_t Sourcesize, std::int32_t Destsize, int method,
                std::uint32_t& checksum);

}  // namespace brontel
