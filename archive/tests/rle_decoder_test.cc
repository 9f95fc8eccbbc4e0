#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "archive/tests/expand_harness.h"

namespace brontel::testing {
namespace {

using Bytes = std::vector<unsigned char>;

Bytes Repeat(unsigned char b, std::size_t n) { return Bytes(n, b); }

Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

struct RleCase {
  const char* name;
  Bytes body;
  Bytes expanded;
};

class RleExampleTest : public ::testing::TestWithParam<RleCase> {};

TEST_P(RleExampleTest, ExpandsToTheExpectedBytesAndSum) {
  const RleCase& c = GetParam();
  // Destsize plays no part in RLE: a wrong one changes nothing.
  for (std::int32_t destsize : {static_cast<std::int32_t>(c.expanded.size()), 0, 12345}) {
    const Expansion e = Expand(c.body, destsize, kMethodRle);
    EXPECT_EQ(e.bytes, c.expanded);
    EXPECT_EQ(e.checksum, Sum(c.expanded));
    EXPECT_EQ(e.source_end, static_cast<std::int64_t>(c.body.size()));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, RleExampleTest,
    ::testing::Values(
        RleCase{"Empty", {}, {}}, RleCase{"PlainBytes", {'a', 'b', 'c'}, {'a', 'b', 'c'}},
        RleCase{"RunOfThePreviousByte", {0x41, 0x42, 0x94, 0x04}, {0x41, 0x42, 0x42, 0x42, 0x42}},
        RleCase{"EscapedMarker", {0x94, 0x00}, {0x94}},
        RleCase{"CountOneStandsForNothing", {0x94, 0x01}, {}},
        RleCase{"RunAtTheStartRepeatsZero", {0x94, 0x03, 0x41}, {0x00, 0x00, 0x41}},
        RleCase{"AfterAMarkerCodeThePreviousByteIsTheMarker",
                {0x41, 0x94, 0x05, 0x94, 0x03},
                Join({Repeat(0x41, 5), Repeat(0x94, 2)})},
        RleCase{"MissingCountReadsAsZero", {0x41, 0x94}, {0x41, 0x94}},
        RleCase{"LongRunInPieces", {0x41, 0x94, 0xFF, 0x41, 0x94, 0x2D}, Repeat(0x41, 300)},
        RleCase{"LongestPiece", {0x00, 0x94, 0xFF}, Repeat(0x00, 255)}),
    [](const ::testing::TestParamInfo<RleCase>& p) { return std::string(p.param.name); });

TEST(RleDecoderTest, AnEmptyBodyReadsNothingWritesNothingAndReportsNoProgress) {
  const Expansion e = Expand(Bytes{}, 100, kMethodRle);
  EXPECT_TRUE(e.events.empty());
  EXPECT_EQ(e.checksum, 0u);
}

TEST(RleDecoderTest, ReadsTheWholeBodyAndNoMore) {
  Bytes source = {0x41, 0x94, 0x10, 0x42};
  source.push_back(0x99);  // the next entry's first byte
  const Expansion e = Expand(source, 4, 0, kMethodRle);
  EXPECT_EQ(e.bytes, Join({Repeat(0x41, 16), {0x42}}));
  EXPECT_EQ(e.source_end, 4);
}

TEST(RleDecoderTest, AShortSourceEndsTheBodyWhereItEnds) {
  const Bytes source = {0x41, 0x94, 0x03};
  const Expansion e = Expand(source, 10, 0, kMethodRle);
  EXPECT_EQ(e.bytes, Repeat(0x41, 3));
  EXPECT_EQ(e.events, Expand(source, 10, 0, kMethodRle, {.reference = true}).events);
}

TEST(RleDecoderTest, MarkerCodesSplitAcrossChunksDecodeAsWhole) {
  // The count byte of a marker code is the first byte of the next chunk.
  Bytes body(8191, 'x');
  body.push_back(0x94);
  body.push_back(0x05);
  body.push_back('y');
  const Expansion e = Expand(body, 0, kMethodRle);
  EXPECT_EQ(e.bytes, Join({Repeat('x', 8195), {'y'}}));
  EXPECT_EQ(Progress(e.events), (std::vector<std::int64_t>{99, 100}));
}

TEST(RleDecoderTest, SumWrapsAround) {
  // 16,843,010 bytes 0xFF: the sum passes 2^32 once and ends at 254.
  const std::size_t count = 16843010;
  Bytes body;
  for (std::size_t left = count; left > 0;) {
    const std::size_t piece = left < 255 ? left : 255;
    body.push_back(0xFF);
    if (piece >= 3) {
      body.push_back(0x94);
      body.push_back(static_cast<unsigned char>(piece));
    } else if (piece == 2) {
      body.push_back(0xFF);
    }
    left -= piece;
  }
  const Expansion e = Expand(body, 0, kMethodRle, {.with_progress = false});
  EXPECT_EQ(e.bytes.size(), count);
  EXPECT_EQ(e.checksum, 254u);
}

}  // namespace
}  // namespace brontel::testing
