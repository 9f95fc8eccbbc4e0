#include "archive/lzh_tree.h"

#include <cstring>

namespace brontel::lzh {

void LzhTree::Reset() {
  for (int s = 0; s < kSymbols; ++s) {
    weight_[s] = 1;
    child_[s] = static_cast<std::uint16_t>(kLeafBase + s);
    link_[kLeafBase + s] = static_cast<std::uint16_t>(s);
  }
  for (int k = kSymbols; k < kNodes; ++k) {
    const int i = 2 * (k - kSymbols);
    weight_[k] = static_cast<std::uint16_t>(weight_[i] + weight_[i + 1]);
    child_[k] = static_cast<std::uint16_t>(i);
    link_[i] = link_[i + 1] = static_cast<std::uint16_t>(k);
  }
  for (int k = kNodes; k < static_cast<int>(sizeof weight_ / sizeof weight_[0]); ++k) {
    weight_[k] = 0xFFFF;
  }
  child_[kNodes] = 0;
  link_[kRoot] = 0;
}

int LzhTree::LastBelow(int from, std::uint16_t weight) const {
  // Weights never decrease with the node number, so the nodes below `weight` form one run; it
  // is usually short, and long only among the light leaves early in a body.
  int l = from;
  while (weight_[l] < weight) ++l;
  return l - 1;
}

int LzhTree::Exchange(int c, std::uint16_t k) {
  const int l = LastBelow(c + 2, k);
  weight_[c] = weight_[l];
  weight_[l] = k;
  const std::uint16_t i = child_[c];
  link_[i] = static_cast<std::uint16_t>(l);
  if (i < kLeafBase) link_[i + 1] = static_cast<std::uint16_t>(l);
  const std::uint16_t j = child_[l];
  child_[l] = i;
  link_[j] = static_cast<std::uint16_t>(c);
  if (j < kLeafBase) link_[j + 1] = static_cast<std::uint16_t>(c);
  child_[c] = j;
  return l;
}

void LzhTree::Climb(int c) {
  do {
    const std::uint16_t k = ++weight_[c];
    if (k > weight_[c + 1]) c = Exchange(c, k);
    c = link_[c];
  } while (c != 0);
}

void LzhTree::Bump(int symbol) {
  if (weight_[kRoot] == kRebuildWeight) Rescale();
  Climb(link_[kLeafBase + symbol]);
}

void LzhTree::BumpAlong(int symbol, const std::uint16_t* path, int depth) {
  if (weight_[kRoot] == kRebuildWeight) {
    Bump(symbol);  // the rebuild reshapes the tree, so the path no longer holds
    return;
  }
  for (int i = depth - 1; i >= 0; --i) {
    const int c = path[i];
    const std::uint16_t k = ++weight_[c];
    if (k > weight_[c + 1]) {
      // From the exchanged node on, the way up is no longer the path.
      Climb(link_[Exchange(c, k)]);
      return;
    }
  }
  ++weight_[kRoot];
}

void LzhTree::Rescale() {
  // Gather the leaves at the bottom, in node order, with halved weights.
  int j = 0;
  for (int k = 0; k < kNodes; ++k) {
    if (child_[k] >= kLeafBase) {
      weight_[j] = static_cast<std::uint16_t>((weight_[k] + 1) / 2);
      child_[j] = child_[k];
      ++j;
    }
  }
  // Pair them up again; each new node goes above every node of equal weight.
  for (int k = kSymbols; k < kNodes; ++k) {
    const int i = 2 * (k - kSymbols);
    const std::uint16_t f = static_cast<std::uint16_t>(weight_[i] + weight_[i + 1]);
    int q = k - 1;
    while (f < weight_[q]) --q;
    const int p = q + 1;
    const auto moved = static_cast<std::size_t>(k - p);
    std::memmove(&weight_[p + 1], &weight_[p], moved * sizeof weight_[0]);
    std::memmove(&child_[p + 1], &child_[p], moved * sizeof child_[0]);
    weight_[p] = f;
    child_[p] = static_cast<std::uint16_t>(i);
  }
  for (int k = 0; k < kNodes; ++k) {
    const std::uint16_t c = child_[k];
    link_[c] = static_cast<std::uint16_t>(k);
    if (c < kLeafBase) link_[c + 1] = static_cast<std::uint16_t>(k);
  }
}

}  // namespace brontel::lzh
