// The RLE decoder: plain bytes, and the marker byte 0x94 followed by a count that repeats the
// byte before it.
#pragma once

#include "archive/engine_io.h"

namespace brontel::engine {

// Decodes codes through `io` until the body is exhausted. Raises what `io` raises.
void ExpandRle(EngineIo& io);

}  // namespace brontel::engine
