#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "archive/tests/expand_harness.h"
#include "archive/tests/lzh_stream_builder.h"
#include "base/exception.h"

namespace brontel::testing {
namespace {

using Bytes = std::vector<unsigned char>;
using Values = std::vector<std::int64_t>;

Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

// Decodes with the engine and with the plain model and expects the two to agree in everything.
Expansion ExpandBoth(std::span<const unsigned char> source, std::int32_t sourcesize,
                     std::int32_t destsize, ExpandOptions options = {}) {
  Expansion e = Expand(source, sourcesize, destsize, kMethodLzh, options);
  options.reference = true;
  const Expansion r = Expand(source, sourcesize, destsize, kMethodLzh, options);
  EXPECT_EQ(e.bytes, r.bytes);
  EXPECT_EQ(e.checksum, r.checksum);
  EXPECT_EQ(e.events, r.events);
  EXPECT_EQ(e.source_end, r.source_end);
  return e;
}

Expansion ExpandBoth(std::span<const unsigned char> body, std::int32_t destsize,
                     ExpandOptions options = {}) {
  return ExpandBoth(body, static_cast<std::int32_t>(body.size()), destsize, options);
}

struct BitsCase {
  const char* bits;
  Bytes expanded;
};

class FirstSymbolTest : public ::testing::TestWithParam<BitsCase> {};

TEST_P(FirstSymbolTest, TheInitialTreeDecodes) {
  const BitsCase& c = GetParam();
  const Expansion e =
      ExpandBoth(LzhStreamBuilder::Pack(c.bits), static_cast<std::int32_t>(c.expanded.size()));
  EXPECT_EQ(e.bytes, c.expanded);
}

INSTANTIATE_TEST_SUITE_P(Bits, FirstSymbolTest,
                         ::testing::Values(BitsCase{"111001101", {0x41}},
                                           BitsCase{"00000000", {0x74}},
                                           BitsCase{"111111111", {115}}, BitsCase{"110001100", {0}},
                                           BitsCase{"10001100"
                                                    "000"
                                                    "000000",
                                                    Bytes(3, ' ')}));

TEST(LzhDecoderTest, AMatchOf60AtOffset0CopiesTheInitialSpaces) {
  const Bytes body = LzhStreamBuilder().Match(60, 0).Bytes();
  const Expansion e = ExpandBoth(body, 60);
  EXPECT_EQ(e.bytes, Bytes(60, ' '));
  EXPECT_EQ(e.checksum, 60u * 0x20);
}

TEST(LzhDecoderTest, OffsetsReachTheLastByteAndTheByte4096Back) {
  LzhStreamBuilder b;
  std::string expected;
  for (int i = 0; i < 4096; ++i) {
    const auto c = static_cast<unsigned char>('a' + (i * 7) % 26);
    b.Literal(c);
    expected += static_cast<char>(c);
  }
  b.Match(3, 4095);  // 4096 back: the first three bytes again
  b.Match(4, 0);     // the last byte, repeated while it is being written
  expected += expected.substr(0, 3);
  expected += std::string(4, expected.back());
  const Expansion e = ExpandBoth(b.Bytes(), static_cast<std::int32_t>(expected.size()));
  EXPECT_EQ(e.bytes, Text(expected));
}

TEST(LzhDecoderTest, DestsizeZeroOrBelowReadsAndWritesNothing) {
  const Bytes body = LzhStreamBuilder().Literal('a').Bytes();
  for (std::int32_t destsize : {0, -1}) {
    const Expansion e = ExpandBoth(body, destsize);
    EXPECT_TRUE(e.events.empty());
    EXPECT_EQ(e.checksum, 0u);
    EXPECT_EQ(e.source_end, 0);
  }
}

TEST(LzhDecoderTest, AnEmptyBodyDecodesZeroBitsWithoutReading) {
  const Expansion e = ExpandBoth(Bytes{}, 0, 300);
  ASSERT_GE(e.bytes.size(), 300u);
  EXPECT_LE(e.bytes.size(), 359u);
  EXPECT_EQ(e.bytes[0], 0x74);
  for (const StreamEvent& event : e.events) EXPECT_EQ(event.kind, StreamEvent::kWrite);
}

TEST(LzhDecoderTest, AMatchCrossingDestsizeIsCopiedWholeAndCounted) {
  const Bytes body = LzhStreamBuilder().Literal('x').Match(60, 0).Bytes();
  const Expansion e = ExpandBoth(body, 2);
  EXPECT_EQ(e.bytes, Bytes(61, 'x'));
  EXPECT_EQ(e.checksum, 61u * 'x');
}

// 'A', then matches of the byte before, up to `size` bytes.
Bytes RunBody(int size) {
  LzhStreamBuilder b;
  b.Literal('A');
  int left = size - 1;
  while (left >= 60 + 3 || left == 60) {
    b.Match(60, 0);
    left -= 60;
  }
  if (left >= 3) {
    b.Match(left, 0);
    left = 0;
  }
  while (left-- > 0) b.Literal('A');
  return b.Bytes();
}

TEST(LzhDecoderTest, WritesOf8192AndTheRest) {
  const Expansion exact = ExpandBoth(RunBody(8192), 8192);
  EXPECT_EQ(Writes(exact.events), (Values{8192}));
  EXPECT_EQ(exact.bytes, Bytes(8192, 'A'));
  const Expansion one_more = ExpandBoth(RunBody(8193), 8193);
  EXPECT_EQ(Writes(one_more.events), (Values{8192, 1}));
  EXPECT_EQ(one_more.checksum, 8193u * 'A');
}

TEST(LzhDecoderTest, TheSourceStandsRightAfterTheBody) {
  std::mt19937 rng(11);
  for (int size : {1, 2, 100, 5000, 30000}) {
    LzhStreamBuilder b;
    std::string expected;
    for (int i = 0; i < size; ++i) {
      const auto c = static_cast<unsigned char>(rng() % 3 == 0 ? rng() : 'a' + rng() % 4);
      b.Literal(c);
      expected += static_cast<char>(c);
    }
    Bytes source = b.Bytes();
    const auto body_size = static_cast<std::int32_t>(source.size());
    source.insert(source.end(), {0xDE, 0xAD, 0xBE, 0xEF});
    const Expansion e = ExpandBoth(source, body_size, size);
    EXPECT_EQ(e.bytes, Text(expected)) << size;
    EXPECT_EQ(e.source_end, body_size) << size;
    EXPECT_EQ(BytesRead(e.events), body_size) << size;
  }
}

TEST(LzhDecoderTest, ATruncatedBodyStillYieldsDestsizeBytes) {
  LzhStreamBuilder b;
  for (int i = 0; i < 20000; ++i) b.Literal(static_cast<unsigned char>(i * 31 % 251));
  const Bytes body = b.Bytes();
  const std::span<const unsigned char> half(body.data(), body.size() / 2);
  // The header still claims the whole body; the source ends halfway.
  const Expansion e = ExpandBoth(half, static_cast<std::int32_t>(body.size()), 20000);
  EXPECT_GE(e.bytes.size(), 20000u);
  EXPECT_LE(e.bytes.size(), 20059u);
  EXPECT_EQ(e.checksum, Sum(e.bytes));
}

TEST(LzhDecoderTest, SymbolsPastTheFirstRebuildDecode) {
  // More than 32,454 symbols: the tree is halved and rebuilt, twice here.
  LzhStreamBuilder b;
  std::string expected;
  std::mt19937 rng(5);
  for (int i = 0; i < 70000; ++i) {
    if (i > 100 && rng() % 4 == 0) {
      const int length = 3 + static_cast<int>(rng() % 58);
      const int offset = static_cast<int>(rng() % 100);
      b.Match(length, offset);
      const std::size_t start = expected.size() - static_cast<std::size_t>(offset) - 1;
      for (int k = 0; k < length; ++k) expected += expected[start + static_cast<std::size_t>(k)];
    } else {
      const auto c = static_cast<char>('a' + rng() % 20);
      b.Literal(static_cast<unsigned char>(c));
      expected += c;
    }
  }
  const Expansion e = ExpandBoth(b.Bytes(), static_cast<std::int32_t>(expected.size()));
  EXPECT_EQ(e.bytes, Text(expected));
}

TEST(LzhDecoderTest, ArbitraryBodiesDecodeLikeThePlainModel) {
  std::mt19937 rng(1);
  for (int round = 0; round < 40; ++round) {
    Bytes body(1 + rng() % 30000);
    for (auto& byte : body) byte = static_cast<unsigned char>(rng() >> 5);
    const auto destsize = static_cast<std::int32_t>(rng() % 80000);
    ExpandOptions options;
    options.max_per_read =
        round % 3 == 0 ? 1 + static_cast<std::int32_t>(rng() % 9000) : 0x7FFFFFFF;
    options.with_progress = round % 2 == 0;
    const auto cut = static_cast<std::size_t>(rng() % (body.size() + 1));
    const std::span<const unsigned char> source(body.data(), round % 4 == 1 ? cut : body.size());
    const Expansion e =
        ExpandBoth(source, static_cast<std::int32_t>(body.size()), destsize, options);
    EXPECT_GE(static_cast<std::int64_t>(e.bytes.size()), destsize);
    EXPECT_LE(static_cast<std::int64_t>(e.bytes.size()), std::max(destsize, 0) + 59);
  }
}

TEST(LzhDecoderTest, TheSumOfALongBodyWrapsAround) {
  // 16,843,010 bytes 0xFF: one literal, then matches of the byte before.
  const std::int32_t size = 16843010;
  LzhStreamBuilder b;
  b.Literal(0xFF);
  std::int32_t left = size - 1;
  for (; left >= 60; left -= 60) b.Match(60, 0);
  b.Match(left, 0);
  const Bytes body = b.Bytes();
  const Expansion e = Expand(body, size, kMethodLzh, {.with_progress = false});
  EXPECT_EQ(e.bytes.size(), static_cast<std::size_t>(size));
  EXPECT_EQ(e.checksum, 254u);
}

TEST(LzhDecoderTest, AShortWriteStopsTheBodyWithStreamWriteError) {
  const Bytes body = RunBody(20000);
  EventLog events;
  LoggingSource source(body, &events);
  LoggingSink dest(&events, 9000);
  std::uint32_t checksum = 0;
  try {
    ExpandBody(nullptr, dest, source, static_cast<std::int32_t>(body.size()), 20000, kMethodLzh,
               checksum);
    FAIL() << "no exception";
  } catch (const EWriteError& e) {
    EXPECT_EQ(e.Message(), "Stream write error");
  }
  EXPECT_EQ(Writes(events), (Values{8192, 8192}));
  EXPECT_EQ(dest.Bytes().size(), 9000u);
}

}  // namespace
}  // namespace brontel::testing
