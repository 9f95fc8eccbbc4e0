#include "archive/lzh_offset_code.h"

#include <gtest/gtest.h>

namespace brontel::lzh {
namespace {

// Each row: the first table entry of a group of values, the value there, and the code length.
struct Row {
  int first_entry;
  int upper;
  int length;
};

class OffsetRowTest : public ::testing::TestWithParam<Row> {};

TEST_P(OffsetRowTest, TableEntriesStartEachLengthGroup) {
  const Row row = GetParam();
  const OffsetDecodeTables& tables = OffsetTables();
  EXPECT_EQ(tables.upper[row.first_entry], row.upper);
  EXPECT_EQ(tables.length[row.first_entry], row.length);
  if (row.first_entry > 0) {
    EXPECT_EQ(tables.length[row.first_entry - 1], row.length - 1);
  }
}

INSTANTIATE_TEST_SUITE_P(Groups, OffsetRowTest,
                         ::testing::Values(Row{0, 0, 3}, Row{32, 1, 4}, Row{80, 4, 5},
                                           Row{144, 12, 6}, Row{192, 24, 7}, Row{240, 48, 8}));

TEST(OffsetCodeTest, EveryCodeDecodesToItsValueAndFillsItsShareOfTheTable) {
  const OffsetDecodeTables& tables = OffsetTables();
  int entries = 0;
  for (int u = 0; u < 64; ++u) {
    const OffsetCode code = UpperOffsetCode(u);
    const int spare = 8 - code.length;
    for (int rest = 0; rest < (1 << spare); ++rest) {
      const int b = (code.bits << spare) | rest;
      ASSERT_EQ(tables.upper[b], u) << "entry " << b;
      ASSERT_EQ(tables.length[b], code.length) << "entry " << b;
      ++entries;
    }
  }
  EXPECT_EQ(entries, 256);
}

TEST(OffsetCodeTest, CodesOfTheGroupBoundaries) {
  const struct {
    int upper;
    unsigned bits;
    int length;
  } kCases[] = {{0, 0b000, 3},      {1, 0b0010, 4},      {3, 0b0100, 4},     {4, 0b01010, 5},
                {11, 0b10001, 5},   {12, 0b100100, 6},   {23, 0b101111, 6},  {24, 0b1100000, 7},
                {47, 0b1110111, 7}, {48, 0b11110000, 8}, {63, 0b11111111, 8}};
  for (const auto& c : kCases) {
    EXPECT_EQ(UpperOffsetCode(c.upper).bits, c.bits) << c.upper;
    EXPECT_EQ(UpperOffsetCode(c.upper).length, c.length) << c.upper;
  }
}

}  // namespace
}  // namespace brontel::lzh
