// The adaptive Huffman tree of the LZH method: 314 symbols (256 literal bytes and 58 match
// lengths) coded by one tree whose weights follow the symbols seen so far. The decoder and the
// archive tool's encoder update it identically after every symbol, so both always agree on the
// code of the next symbol.
#pragma once

#include <cstdint>

namespace brontel::lzh {

inline constexpr int kSymbols = 314;             // 0..255 literals, 256..313 match lengths 3..60
inline constexpr int kNodes = 2 * kSymbols - 1;  // 627; node 626 is the root
inline constexpr int kRoot = kNodes - 1;
// Child values of kLeafBase and above mark leaves: the leaf of symbol s holds kLeafBase + s.
inline constexpr std::uint16_t kLeafBase = kNodes;
// The root weight at which the next update first halves the weights and rebuilds the tree.
inline constexpr std::uint16_t kRebuildWeight = 0x8000;

// Node numbers grow with weight. The two children of an internal node are nodes c and c + 1
// (reached by bit 0 and bit 1), and c is always even, so a node's own bit is its lowest bit.
class LzhTree {
 public:
  // Builds the initial tree (every symbol weighs 1).
  LzhTree() { Reset(); }

  // Returns the tree to its initial state.
  void Reset();

  // Counts one occurrence of `symbol` (0..313): rebuilds first when the root weight has reached
  // kRebuildWeight, then raises the weights on the path from the symbol's leaf to the root,
  // exchanging nodes so that weights stay ordered by node number.
  void Bump(int symbol);

  // The same update as Bump, given the nodes on the symbol's path as the tree stands: `path[0]`
  // is a child of the root and `path[depth - 1]` the symbol's leaf. Where the update moves no
  // node, the path replaces following parent links one load after another.
  void BumpAlong(int symbol, const std::uint16_t* path, int depth);

  // Halves every leaf weight (rounding up) and rebuilds the internal nodes from them.
  void Rescale();

  // The first child of internal node `node`, or kLeafBase + symbol for a leaf.
  std::uint16_t Child(int node) const { return child_[node]; }
  // The parent of `node` (0 for the root).
  std::uint16_t Parent(int node) const { return link_[node]; }
  // The node that holds the leaf of `symbol`.
  std::uint16_t LeafOf(int symbol) const { return link_[kLeafBase + symbol]; }
  std::uint16_t Weight(int node) const { return weight_[node]; }
  // Direct view of the child array for the decoder's tree walk.
  const std::uint16_t* Children() const { return child_; }

 private:
  // The last node above `from` whose weight is below `weight`; the sentinel ends the search.
  int LastBelow(int from, std::uint16_t weight) const;
  // Node c has just reached weight k, above its upper neighbour: exchanges it with the last node
  // of its old weight and returns that node's number.
  int Exchange(int c, std::uint16_t k);
  // Raises the weights from node c up to the root, exchanging nodes as needed.
  void Climb(int c);

  // Weights, then the sentinel 0xFFFF at kNodes, then padding that lets the search read whole
  // vectors past the sentinel.
  alignas(64) std::uint16_t weight_[kNodes + 13];  // a search from 626 reads up to 633
  alignas(64) std::uint16_t child_[kNodes + 1];
  // Indexed by child values: parents of nodes (0..626), then the leaf node of each symbol,
  // then a spare slot that takes writes meant for no node.
  static constexpr int kSpareLink = kNodes + kSymbols;
  alignas(64) std::uint16_t link_[kNodes + kSymbols + 1];
};

inline void LzhTree::BumpAlong(int symbol, const std::uint16_t* path, int depth) {
  if (weight_[kRoot] == kRebuildWeight) {
    Bump(symbol);  // the rebuild reshapes the tree, so the path no longer holds
    return;
  }
  for (int i = depth - 1; i >= 0; --i) {
    const std::size_t c = path[i];
    const std::uint16_t k = ++weight_[c];
    if (k > weight_[c + 1]) {
      // From the exchanged node on, the way up is no longer the path.
      Climb(link_[Exchange(static_cast<int>(c), k)]);
      return;
    }
  }
  ++weight_[kRoot];
}

}  // namespace brontel::lzh
