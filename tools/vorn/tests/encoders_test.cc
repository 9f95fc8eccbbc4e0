#include "tools/vorn/encoders.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "archive/tests/expand_harness.h"
#include "tools/vorn/bit_writer.h"

namespace brontel::vorn {
namespace {

using Bytes = std::vector<unsigned char>;
using testing::Expand;
using testing::ExpandOptions;
using testing::Expansion;

Bytes Random(std::size_t size, std::uint32_t seed) {
  std::mt19937 rng(seed);
  Bytes b(size);
  for (auto& x : b) x = static_cast<unsigned char>(rng() >> 7);
  return b;
}

// Words with spaces and line breaks, like a text file.
Bytes Prose(std::size_t size, std::uint32_t seed) {
  static const char* kWords[] = {"the",   "archive", "of",     "installer", "window", "folder",
                                 "files", "expand",  "bytes",  "checksum",  "and",    "a",
                                 "entry", "Brontel", "header", "progress",  "to",     "is"};
  std::mt19937 rng(seed);
  Bytes b;
  while (b.size() < size) {
    const std::string w = kWords[rng() % std::size(kWords)];
    b.insert(b.end(), w.begin(), w.end());
    b.push_back(rng() % 11 == 0 ? '\n' : ' ');
  }
  b.resize(size);
  return b;
}

// Little-endian records with slowly changing fields, like tables in an executable.
Bytes Records(std::size_t size) {
  Bytes b;
  for (std::uint32_t i = 0; b.size() < size; ++i) {
    const std::uint32_t fields[] = {i, i * 8 + 0x401000, 0, 0x94949494u, i % 7};
    for (std::uint32_t f : fields) {
      for (int k = 0; k < 4; ++k) b.push_back(static_cast<unsigned char>(f >> (8 * k)));
    }
  }
  b.resize(size);
  return b;
}

Bytes Concat(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

struct Sample {
  const char* name;
  Bytes data;
};

std::vector<Sample> Samples() {
  return {
      {"Empty", {}},
      {"OneByte", {0x42}},
      {"OneMarker", {0x94}},
      {"TwoBytes", {0x20, 0x20}},
      {"AllOneValue", Bytes(100000, 'x')},
      {"AllMarkers", Bytes(1000, 0x94)},
      {"AllSpaces", Bytes(5000, ' ')},
      {"LeadingSpacesThenText", Concat(Bytes(70, ' '), Prose(3000, 9))},
      {"Random", Random(70000, 1)},
      {"Prose", Prose(200000, 2)},
      {"Records", Records(120000)},
      {"Size8191", Prose(8191, 3)},
      {"Size8192", Prose(8192, 4)},
      {"Size8193", Prose(8193, 5)},
      {"ManySymbols", Concat(Random(40000, 6), Prose(60000, 7))},
      {"RunsAndText", Concat(Concat(Bytes(300, 0x41), Prose(1000, 8)), Bytes(258, 0))},
  };
}

class RoundTripTest : public ::testing::TestWithParam<Sample> {};

// Decoding must give back the input, with its sum, and leave the source right after the body.
void ExpectRoundTrip(const Bytes& input, const Bytes& body, int method) {
  const auto size = static_cast<std::int32_t>(input.size());
  Bytes source = body;
  source.push_back(0x5A);  // whatever follows the body in an archive
  const auto body_size = static_cast<std::int32_t>(body.size());
  const Expansion e = Expand(source, body_size, size, method);
  EXPECT_EQ(e.bytes, input);
  EXPECT_EQ(e.checksum, testing::Sum(input));
  EXPECT_EQ(e.source_end, body_size);
  // The plain model agrees, whatever stands in the part of its window never written.
  for (unsigned char fill : {0x00, 0xA5}) {
    const Expansion r =
        Expand(source, body_size, size, method, {.reference = true, .unwritten_fill = fill});
    EXPECT_EQ(r.bytes, input) << "unwritten window fill " << int{fill};
  }
}

TEST_P(RoundTripTest, Rle) {
  const Bytes& input = GetParam().data;
  ExpectRoundTrip(input, EncodeRle(input), kMethodRle);
}

TEST_P(RoundTripTest, Lzh) {
  const Bytes& input = GetParam().data;
  ExpectRoundTrip(input, EncodeLzh(input), kMethodLzh);
}

TEST_P(RoundTripTest, StoredIsTheInput) {
  EXPECT_EQ(EncodeStored(GetParam().data), GetParam().data);
}

INSTANTIATE_TEST_SUITE_P(Data, RoundTripTest, ::testing::ValuesIn(Samples()),
                         [](const ::testing::TestParamInfo<Sample>& p) {
                           return std::string(p.param.name);
                         });

struct RleCase {
  Bytes input;
  Bytes body;
};

class RleEncodingTest : public ::testing::TestWithParam<RleCase> {};

TEST_P(RleEncodingTest, FollowsTheWellFormedRules) {
  EXPECT_EQ(EncodeRle(GetParam().input), GetParam().body);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, RleEncodingTest,
    ::testing::Values(RleCase{{}, {}}, RleCase{{'a', 'b'}, {'a', 'b'}},
                      RleCase{{'a', 'a'}, {'a', 'a'}},           // a run of 2 is the byte twice
                      RleCase{{'a', 'a', 'a'}, {'a', 0x94, 3}},  // 3..255: byte, marker, count
                      RleCase{{0x94, 0x94, 0x94},
                              {0x94, 0, 0x94, 0, 0x94, 0}},  // the marker never runs
                      RleCase{Bytes(255, 7), {7, 0x94, 255}},
                      RleCase{Bytes(256, 7), {7, 0x94, 255, 7}},
                      RleCase{Bytes(257, 7), {7, 0x94, 255, 7, 7}},
                      RleCase{Bytes(300, 0x41), {0x41, 0x94, 0xFF, 0x41, 0x94, 0x2D}},
                      RleCase{{0, 0, 0, 0x94, 'x'}, {0, 0x94, 3, 0x94, 0, 'x'}}));

TEST(LzhEncoderTest, CompressesRepetitiveData) {
  const Bytes prose = Prose(100000, 12);
  EXPECT_LT(EncodeLzh(prose).size(), prose.size() * 2 / 5);
  EXPECT_LT(EncodeLzh(Bytes(100000, 0)).size(), 2500u);  // about 10 bits per 60 bytes
}

TEST(LzhEncoderTest, SpacesAtTheStartComeFromTheInitialWindow) {
  // 60 spaces: one match of 60 into the leading spaces, 3 bytes in all.
  EXPECT_LE(EncodeLzh(Bytes(60, ' ')).size(), 3u);
}

TEST(LzhEncoderTest, SpreadsNoExtraBytes) {
  // One literal of the initial tree is 8 or 9 bits: one or two bytes, nothing after.
  EXPECT_EQ(EncodeLzh(Bytes{0x74}), (Bytes{0x00}));
  EXPECT_EQ(EncodeLzh(Bytes{0x41}), (Bytes{0b11100110, 0b10000000}));
}

TEST(BitWriterTest, PadsOnlyThePartialLastByte) {
  Bytes out;
  BitWriter w(out);
  w.Put(0b101, 3);
  w.Put(0b11111, 5);
  EXPECT_EQ(out, (Bytes{0b10111111}));
  w.Put(1, 1);
  w.Finish();
  EXPECT_EQ(out, (Bytes{0b10111111, 0b10000000}));
  w.Finish();
  EXPECT_EQ(out.size(), 2u);
}

}  // namespace
}  // namespace brontel::vorn
