// A plain model of the method engine for tests and fuzzers: one byte and one bit at a time,
// linear searches, no shortcuts, sharing no code with the engine. The engine must behave
// exactly like it: same bytes, checksum, reads, progress calls and writes.
#pragma once

#include <cstdint>

#include "archive/method_engine.h"
#include "base/stream.h"

namespace brontel::testing {

// Same contract as brontel::ExpandBody. `unwritten_fill` is the content of window positions
// 4036..4095 before they are first written, which a well-formed body never reads.
void ReferenceExpandBody(const TShowProgressEvent& on_progress, Stream& dest, Stream& source,
                         std::int32_t Sourcesize, std::int32_t Destsize, int method,
                         std::uint32_t& checksum, unsigned char unwritten_fill = ' ');

}  // namespace brontel::testing
