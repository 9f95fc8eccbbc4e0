#include "base/stream.h"

#include <algorithm>
#include <vector>

#include "base/exception.h"

namespace brontel {

void Stream::ReadBuffer(void* buffer, std::int32_t count) {
  if (count != 0 && Read(buffer, count) != count) throw EReadError("Stream read error");
}

void Stream::WriteBuffer(const void* buffer, std::int32_t count) {
  if (count != 0 && Write(buffer, count) != count) throw EWriteError("Stream write error");
}

void Stream::CopyFrom(Stream& source, std::int64_t count) {
  constexpr std::int64_t kChunk = 61440;
  std::vector<unsigned char> buffer(static_cast<std::size_t>(std::min(count, kChunk)));
  while (count > 0) {
    const auto n = static_cast<std::int32_t>(std::min(count, kChunk));
    source.ReadBuffer(buffer.data(), n);
    WriteBuffer(buffer.data(), n);
    count -= n;
  }
}

}  // namespace brontel
