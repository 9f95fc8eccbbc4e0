#include "archive/engine_io.h"

#include <algorithm>

namespace brontel::engine {

namespace {

// Room after the chunk: the LZH bit reader loads eight bytes at a time.
constexpr std::int32_t kInPadding = 16;

}  // namespace

std::uint32_t ByteSum(const unsigned char* bytes, std::size_t count) {
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i < count; ++i) sum += bytes[i];
  return sum;
}

EngineIo::EngineIo(const TShowProgressEvent& on_progress, Stream& dest, Stream& source,
                   std::int32_t source_size)
    : on_progress_(on_progress),
      dest_(dest),
      source_(source),
      left_(std::max<std::int32_t>(source_size, 0)),
      in_(std::make_unique<unsigned char[]>(1 + kChunkSize + kInPadding)),
      out_(std::make_unique<unsigned char[]>(kHistorySize + kChunkSize + kOutSlack)) {}

void EngineIo::Refill() {
  in_[0] = in_[in_end_ - 1];
  end_of_input_ = true;
  std::int32_t got = 0;
  if (left_ > 0) {
    const std::int32_t want = std::min(kChunkSize, left_);
    got = std::clamp(source_.Read(in_.get() + 1, want), 0, want);
    left_ -= got;
  }
  if (got == 0) {
    in_[1] = 0;
    in_pos_ = 1;
    in_end_ = 2;
    return;
  }
  std::memset(in_.get() + 1 + got, 0, kInPadding);
  in_pos_ = 1;
  in_end_ = 1 + got;
  if (on_progress_) {
    consumed_ += got;
    // 64-bit: consumed × 100 leaves 32 bits for bodies above 21 MB. The divisor is the body
    // size, which is not 0 once a byte has come.
    auto percentage = static_cast<std::int32_t>(consumed_ * 100 / (consumed_ + left_));
    on_progress_(percentage);
  }
  YieldProcessor();
  end_of_input_ = false;
}

void EngineIo::FlushFull() {
  YieldProcessor();
  dest_.WriteBuffer(Out(), kChunkSize);
  sum_ += ByteSum(Out(), kChunkSize);
  std::memcpy(out_.get(), Out() + kChunkSize - kHistorySize, kHistorySize);
  out_pos_ = 0;
}

void EngineIo::EmitRun(unsigned char b, std::int32_t count) {
  while (count > 0) {
    if (out_pos_ == kChunkSize) FlushFull();
    const std::int32_t n = std::min(count, kChunkSize - out_pos_);
    std::memset(Out() + out_pos_, b, static_cast<std::size_t>(n));
    out_pos_ += n;
    count -= n;
  }
}

void EngineIo::EmitBytes(const unsigned char* bytes, std::int32_t count) {
  while (count > 0) {
    if (out_pos_ == kChunkSize) FlushFull();
    const std::int32_t n = std::min(count, kChunkSize - out_pos_);
    std::memcpy(Out() + out_pos_, bytes, static_cast<std::size_t>(n));
    out_pos_ += n;
    bytes += n;
    count -= n;
  }
}

void EngineIo::WriteRest() {
  if (out_pos_ == 0) return;
  dest_.WriteBuffer(Out(), out_pos_);
  sum_ += ByteSum(Out(), static_cast<std::size_t>(out_pos_));
  out_pos_ = 0;
}

}  // namespace brontel::engine
