#include "archive/method_engine.h"

#include "archive/engine_io.h"
#include "archive/lzh_decoder.h"
#include "archive/rle_decoder.h"

namespace brontel {

void ExpandBody(const TShowProgressEvent& on_progress, Stream& dest, Stream& source,
                std::int32_t Sourcesize, std::int32_t Destsize, int method,
                std::uint32_t& checksum) {
  engine::EngineIo io(on_progress, dest, source, Sourcesize);
  if (method == kMethodRle) {
    engine::ExpandRle(io);
  } else if (method == kMethodLzh) {
    engine::ExpandLzh(io, Destsize);
  }
  // The sum is handed back before the last write, which may still fail.
  checksum = io.Checksum();
  io.WriteRest();
}

}  // namespace brontel
