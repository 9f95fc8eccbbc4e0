// The LZH decoder: a 4096-byte sliding window whose literals and match lengths come from the
// adaptive tree and whose match offsets come from the fixed offset code.
#pragma once

#include <cstdint>

#include "archive/engine_io.h"

namespace brontel::engine {

// Decodes symbols through `io` until at least `destsize` bytes have been emitted; a match is
// always copied whole, so a damaged body may emit up to 59 bytes more. Nothing is read or
// written when `destsize` is 0 or below. Raises what `io` raises, and std::bad_alloc.
void ExpandLzh(EngineIo& io, std::int32_t destsize);

}  // namespace brontel::engine
