// Internal to the method engine: the buffered reader and writer that both decoders share.
//
// The reader takes the body from the source in chunks of at most 8192 bytes, calls the progress
// handler after each chunk and then yields the processor. The writer collects expanded bytes
// in an 8192-byte buffer; it writes the buffer only when a byte arrives while it is full
// (yielding first), and the remainder once decoding is over. The order of reads, progress calls
// and writes is part of what callers see, so the decoders' fast paths only ever touch bytes
// already in the buffers and come back here exactly where a byte-at-a-time decoder would.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>

#include "archive/method_engine.h"
#include "base/stream.h"

namespace brontel::engine {

inline constexpr std::int32_t kChunkSize = 8192;
// The output buffer keeps this many bytes emitted before its content, so a decoder can copy
// from recent output without a window of its own.
inline constexpr std::int32_t kHistorySize = 4096;
// Room after the output buffer for copies that write whole words past their end.
inline constexpr std::int32_t kOutSlack = 64;

// Gives the processor to other threads and processes for a moment.
void YieldProcessor();

// The sum modulo 2^32 of `count` bytes taken as 0..255.
std::uint32_t ByteSum(const unsigned char* bytes, std::size_t count);

class EngineIo {
 public:
  // Obtains both buffers (raises std::bad_alloc). `on_progress`, `dest` and `source` must
  // outlive the object. A negative `source_size` counts as an empty body.
  EngineIo(const TShowProgressEvent& on_progress, Stream& dest, Stream& source,
           std::int32_t source_size);
  EngineIo(const EngineIo&) = delete;
  EngineIo& operator=(const EngineIo&) = delete;

  // ---- Reader. The chunk lies at In()[1 .. InEnd()); In()[0] keeps the last byte of the
  // previous chunk, so a bit reader can finish a byte across a refill.

  // The next body byte; 0 with EndOfInput() set once the body is exhausted.
  unsigned char FetchByte() {
    if (in_pos_ < in_end_) return in_[in_pos_++];
    Refill();
    return in_[in_pos_++];
  }
  // True after a refill that brought no bytes, until one that brings some.
  bool EndOfInput() const { return end_of_input_; }

  // Moves the last chunk byte to In()[0] and reads the next chunk, calling the progress handler
  // and yielding when bytes came. When none came (the body is exhausted or the source ended),
  // the chunk is a single zero byte and EndOfInput() is set. Always leaves InEnd() >= 2.
  // Raises whatever the source or the progress handler raise.
  void Refill();

  const unsigned char* In() const { return in_.get(); }
  std::int32_t InPos() const { return in_pos_; }
  std::int32_t InEnd() const { return in_end_; }
  // Marks the chunk's bytes up to `pos` as fetched (pos <= InEnd()).
  void SetInPos(std::int32_t pos) { in_pos_ = pos; }

  // ---- Writer.

  // Appends one byte, first writing the buffer out if it is full.
  void EmitByte(unsigned char b) {
    if (out_pos_ == kChunkSize) FlushFull();
    Out()[out_pos_++] = b;
  }
  // Appends `count` copies of `b`, as `count` calls of EmitByte would.
  void EmitRun(unsigned char b, std::int32_t count);
  // Appends `count` bytes, as `count` calls of EmitByte would.
  void EmitBytes(const unsigned char* bytes, std::int32_t count);

  // Yields, writes the full buffer to dest and empties it, keeping its last kHistorySize bytes
  // before it. Raises EWriteError on a short write.
  void FlushFull();

  // The buffer: Out()[0 .. OutPos()) are the bytes not yet written, Out()[-kHistorySize .. 0)
  // the ones emitted just before them (at first, whatever the decoder put there), and
  // Out()[kChunkSize .. kChunkSize + kOutSlack) spare room whose content means nothing.
  unsigned char* Out() { return out_.get() + kHistorySize; }
  std::int32_t OutPos() const { return out_pos_; }
  void SetOutPos(std::int32_t pos) { out_pos_ = pos; }

  // The sum of every byte emitted so far, modulo 2^32.
  std::uint32_t Checksum() const {
    return sum_ + ByteSum(out_.get() + kHistorySize, static_cast<std::size_t>(out_pos_));
  }
  // Writes the bytes still in the buffer, if any. Raises EWriteError on a short write.
  void WriteRest();

 private:
  const TShowProgressEvent& on_progress_;
  Stream& dest_;
  Stream& source_;
  std::int32_t left_;
  std::int64_t consumed_ = 0;
  bool end_of_input_ = false;

  // One byte carried over, a chunk, and zero padding that lets the bit reader load whole words.
  std::unique_ptr<unsigned char[]> in_;
  std::int32_t in_pos_ = 1;
  std::int32_t in_end_ = 1;

  std::unique_ptr<unsigned char[]> out_;
  std::int32_t out_pos_ = 0;
  std::uint32_t sum_ = 0;  // of the bytes already written
};

}  // namespace brontel::engine
