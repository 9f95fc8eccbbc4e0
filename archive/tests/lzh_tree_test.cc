#include "archive/lzh_tree.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace brontel::lzh {
namespace {

std::string CodeOf(const LzhTree& tree, int symbol) {
  std::string code;
  for (int node = tree.LeafOf(symbol); node != kRoot; node = tree.Parent(node)) {
    code.insert(code.begin(), (node & 1) ? '1' : '0');
  }
  return code;
}

std::string Binary(unsigned value, int width) {
  std::string s;
  for (int i = width - 1; i >= 0; --i) s += ((value >> i) & 1) ? '1' : '0';
  return s;
}

// Weights ordered by node, sibling pairs, parent sums and links all agree.
void ExpectConsistent(const LzhTree& tree) {
  unsigned leaf_sum = 0;
  for (int k = 0; k < kNodes; ++k) {
    if (k + 1 < kNodes) {
      ASSERT_LE(tree.Weight(k), tree.Weight(k + 1)) << "node " << k;
    }
    const int c = tree.Child(k);
    if (c >= kLeafBase) {
      leaf_sum += tree.Weight(k);
      ASSERT_EQ(tree.LeafOf(c - kLeafBase), k);
    } else {
      ASSERT_NE(k, 0) << "node 0 must be a leaf";
      ASSERT_EQ(c % 2, 0);
      ASSERT_EQ(tree.Weight(k), tree.Weight(c) + tree.Weight(c + 1)) << "node " << k;
      ASSERT_EQ(tree.Parent(c), k);
      ASSERT_EQ(tree.Parent(c + 1), k);
    }
  }
  EXPECT_EQ(tree.Weight(kRoot), leaf_sum);
  EXPECT_EQ(tree.Parent(kRoot), 0);
}

TEST(LzhTreeTest, InitialCodesAreEightBitsFromSymbol116AndNineBitsBelow) {
  const LzhTree tree;
  for (int s = 116; s < kSymbols; ++s) ASSERT_EQ(CodeOf(tree, s), Binary(s - 116, 8)) << s;
  for (int s = 0; s < 116; ++s) ASSERT_EQ(CodeOf(tree, s), Binary(0b110001100 + s, 9)) << s;
  EXPECT_EQ(CodeOf(tree, 0x41), "111001101");
  EXPECT_EQ(CodeOf(tree, 256), "10001100");
  EXPECT_EQ(tree.Weight(kRoot), kSymbols);
  ExpectConsistent(tree);
}

TEST(LzhTreeTest, StaysConsistentThroughUpdatesAndRebuilds) {
  LzhTree tree;
  std::mt19937 rng(7);
  std::geometric_distribution<int> skewed(0.05);
  for (int n = 0; n < 120000; ++n) {
    tree.Bump(skewed(rng) % kSymbols);
    if (n % 9973 == 0) ExpectConsistent(tree);
  }
  ExpectConsistent(tree);
}

TEST(LzhTreeTest, BumpAlongTheWalkedPathEqualsBump) {
  LzhTree along;
  LzhTree plain;
  std::mt19937 rng(9);
  std::geometric_distribution<int> skewed(0.02);
  for (int n = 0; n < 80000; ++n) {
    const int symbol = skewed(rng) % kSymbols;
    std::uint16_t path[kSymbols];
    int depth = 0;
    for (int node = along.LeafOf(symbol); node != kRoot; node = along.Parent(node)) ++depth;
    int i = depth;
    for (int node = along.LeafOf(symbol); node != kRoot; node = along.Parent(node)) {
      path[--i] = static_cast<std::uint16_t>(node);
    }
    along.BumpAlong(symbol, path, depth);
    plain.Bump(symbol);
    if (n % 97 == 0 || (n > 32400 && n < 32600)) {  // and around the first rebuild
      for (int k = 0; k < kNodes; ++k) {
        ASSERT_EQ(along.Weight(k), plain.Weight(k)) << "symbol " << n << " node " << k;
        ASSERT_EQ(along.Child(k), plain.Child(k)) << "symbol " << n << " node " << k;
      }
    }
  }
}

TEST(LzhTreeTest, TheUpdateOfSymbol32455BeginsWithARebuild) {
  LzhTree tree;
  std::mt19937 rng(3);
  for (int n = 1; n <= 32454; ++n) {
    tree.Bump(static_cast<int>(rng() % 40));
    ASSERT_EQ(tree.Weight(kRoot), kSymbols + n) << "a rebuild came too early";
  }
  ASSERT_EQ(tree.Weight(kRoot), kRebuildWeight);
  unsigned halved = 0;
  for (int k = 0; k < kNodes; ++k) {
    if (tree.Child(k) >= kLeafBase) halved += (tree.Weight(k) + 1u) / 2;
  }
  tree.Bump(5);
  EXPECT_EQ(tree.Weight(kRoot), halved + 1);
  ExpectConsistent(tree);
}

TEST(LzhTreeTest, RescaleHalvesLeavesRoundingUpAndKeepsTheirOrder) {
  LzhTree tree;
  for (int n = 0; n < 5; ++n) tree.Bump(200);
  for (int n = 0; n < 2; ++n) tree.Bump(7);
  tree.Rescale();
  ExpectConsistent(tree);
  EXPECT_EQ(tree.Weight(tree.LeafOf(200)), 3);  // (6 + 1) / 2
  EXPECT_EQ(tree.Weight(tree.LeafOf(7)), 2);    // (3 + 1) / 2
  EXPECT_EQ(tree.Weight(tree.LeafOf(0)), 1);
  EXPECT_EQ(tree.Weight(kRoot), 312 + 3 + 2);
}

}  // namespace
}  // namespace brontel::lzh
