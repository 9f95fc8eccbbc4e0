// The engine's reading, progress and writing, seen through logging streams.
#include "archive/method_engine.h"

#include <gtest/gtest.h>

#include <vector>

#include "archive/tests/expand_harness.h"
#include "base/exception.h"

namespace brontel::testing {
namespace {

using Bytes = std::vector<unsigned char>;
using Values = std::vector<std::int64_t>;

// An RLE body without markers expands to itself, one output byte per body byte.
Bytes PlainBody(std::size_t size) {
  Bytes body(size);
  for (std::size_t i = 0; i < size; ++i) body[i] = static_cast<unsigned char>('a' + i % 26);
  return body;
}

StreamEvent Read(std::int64_t asked, std::int64_t got) { return {StreamEvent::kRead, asked, got}; }
StreamEvent Percent(std::int64_t value) { return {StreamEvent::kProgress, value, 0}; }
StreamEvent Write(std::int64_t size) { return {StreamEvent::kWrite, size, size}; }

struct ChunkCase {
  std::size_t body_size;
  Values progress;
  Values writes;
};

class ChunkTest : public ::testing::TestWithParam<ChunkCase> {};

TEST_P(ChunkTest, ProgressOncePerChunkReadAndWritesOf8192ThenTheRest) {
  const ChunkCase& c = GetParam();
  const Bytes body = PlainBody(c.body_size);
  const Expansion e = Expand(body, 0, kMethodRle);
  EXPECT_EQ(Progress(e.events), c.progress);
  EXPECT_EQ(Writes(e.events), c.writes);
  EXPECT_EQ(e.bytes, body);
  EXPECT_EQ(e.checksum, Sum(body));
}

INSTANTIATE_TEST_SUITE_P(Sizes, ChunkTest,
                         ::testing::Values(ChunkCase{1, {100}, {1}}, ChunkCase{8192, {100}, {8192}},
                                           ChunkCase{8193, {99, 100}, {8192, 1}},
                                           ChunkCase{16384, {50, 100}, {8192, 8192}},
                                           ChunkCase{20000, {40, 81, 100}, {8192, 8192, 3616}}));

TEST(MethodEngineTest, AFullBufferIsWrittenWhenTheNextByteArrives) {
  const Expansion e = Expand(PlainBody(8193), 0, kMethodRle);
  // The first 8192 bytes wait until byte 8193 has been read; the yield sits before the write.
  EXPECT_EQ(e.events, (EventLog{Read(8192, 8192), Percent(99), Read(1, 1), Percent(100),
                                Write(8192), Write(1)}));
}

TEST(MethodEngineTest, ShortReadsAskForTheRestAndCountWhatCame) {
  const Expansion e = Expand(PlainBody(2500), 0, kMethodRle, {.max_per_read = 1000});
  EXPECT_EQ(e.events, (EventLog{Read(2500, 1000), Percent(40), Read(1500, 1000), Percent(80),
                                Read(500, 500), Percent(100), Write(2500)}));
}

TEST(MethodEngineTest, WorksWithoutAProgressHandler) {
  const Bytes body = PlainBody(20000);
  const Expansion e = Expand(body, 0, kMethodRle, {.with_progress = false});
  EXPECT_EQ(e.bytes, body);
  EXPECT_TRUE(Progress(e.events).empty());
}

TEST(MethodEngineTest, ProgressOfABodyAbove21MegabytesStaysExact) {
  // consumed × 100 passes 2^31 here; the percentages must still be those of the division.
  const std::int64_t size = 22000000;
  const Expansion e = Expand(PlainBody(static_cast<std::size_t>(size)), 0, kMethodRle);
  const Values progress = Progress(e.events);
  ASSERT_EQ(progress.size(), static_cast<std::size_t>((size + 8191) / 8192));
  for (std::size_t k = 0; k < progress.size(); ++k) {
    const std::int64_t consumed = std::min<std::int64_t>(size, 8192 * std::int64_t(k + 1));
    ASSERT_EQ(progress[k], consumed * 100 / size) << "chunk " << k;
  }
  EXPECT_EQ(progress.back(), 100);
}

TEST(MethodEngineTest, ANegativeBodySizeReadsNothing) {
  const Bytes body = PlainBody(100);
  const Expansion e = Expand(body, -5, 0, kMethodRle);
  EXPECT_TRUE(e.events.empty());
  EXPECT_EQ(e.source_end, 0);
}

TEST(MethodEngineTest, AShortWriteWhileDecodingRaisesStreamWriteError) {
  const Bytes body = PlainBody(20000);
  EventLog events;
  LoggingSource source(body, &events);
  LoggingSink dest(&events, 8192 + 100);
  std::uint32_t checksum = 77;
  try {
    ExpandBody(nullptr, dest, source, 20000, 0, kMethodRle, checksum);
    FAIL() << "no exception";
  } catch (const EWriteError& e) {
    EXPECT_EQ(e.Message(), "Stream write error");
  }
  EXPECT_EQ(Writes(events), (Values{8192, 8192}));
  EXPECT_EQ(checksum, 77u) << "no checksum for a body that was not finished";
}

TEST(MethodEngineTest, TheChecksumIsHandedBackBeforeTheLastWriteFails) {
  const Bytes body = PlainBody(8193);
  EventLog events;
  LoggingSource source(body, &events);
  LoggingSink dest(&events, 8192);
  std::uint32_t checksum = 0;
  EXPECT_THROW(ExpandBody(nullptr, dest, source, 8193, 0, kMethodRle, checksum), EWriteError);
  EXPECT_EQ(Writes(events), (Values{8192, 1}));
  EXPECT_EQ(checksum, Sum(body));
}

TEST(MethodEngineTest, AnExceptionFromTheProgressHandlerGoesToTheCaller) {
  const Bytes body = PlainBody(9000);
  EventLog events;
  LoggingSource source(body, &events);
  LoggingSink dest(&events);
  std::uint32_t checksum = 0;
  const TShowProgressEvent stop = [](std::int32_t&) { throw Exception("stop"); };
  EXPECT_THROW(ExpandBody(stop, dest, source, 9000, 0, kMethodRle, checksum), Exception);
  EXPECT_TRUE(dest.Bytes().empty());
}

TEST(MethodEngineTest, OtherMethodsProduceNothing) {
  const Bytes body = PlainBody(10);
  for (int method : {kMethodStored, kMethodCustom}) {
    const Expansion e = Expand(body, 10, method);
    EXPECT_TRUE(e.events.empty());
    EXPECT_EQ(e.checksum, 0u);
  }
}

}  // namespace
}  // namespace brontel::testing
