#include "archive/lzh_tree.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
  // Weights never decrease with the node number, so the nodes below `weight` form one run. It
  // is one to three nodes long nearly always, so eight are tested at once, without a branch
  // that depends on where the run ends; the sentinel and the padding after it stop the search.
#if defined(__SSE2__)
  const __m128i limit = _mm_set1_epi16(static_cast<short>(weight));
  for (;; from += 8) {
    const __m128i w = _mm_loadu_si128(reinterpret_cast<const __m128i*>(weight_ + from));
    // Unsigned w >= limit exactly where limit - w saturates to 0.
    const __m128i at_least = _mm_cmpeq_epi16(_mm_subs_epu16(limit, w), _mm_setzero_si128());
    const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(at_least));
    if (mask != 0) return from + __builtin_ctz(mask) / 2 - 1;
  }
#else
  while (weight_[from] < weight) ++from;
  return from - 1;
#endif
}

int LzhTree::Exchange(int c, std::uint16_t k) {
  const int l = LastBelow(c + 2, k);
  weight_[c] = weight_[l];
  weight_[l] = k;
  // A leaf has no second child to relink; its second write goes to a spare slot instead of
  // behind a branch that would often be mispredicted.
  const std::uint16_t i = child_[c];
  link_[i] = static_cast<std::uint16_t>(l);
  link_[i < kLeafBase ? i + 1 : kSpareLink] = static_cast<std::uint16_t>(l);
  const std::uint16_t j = child_[l];
  child_[l] = i;
  link_[j] = static_cast<std::uint16_t>(c);
  link_[j < kLeafBase ? j + 1 : kSpareLink] = static_cast<std::uint16_t>(c);
  child_[c] = j;
  return l;
}

void LzhTree::Climb(int node) {
  // Unsigned and pointer-sized, so each parent link feeds the next load without a conversion.
  std::size_t c = static_cast<std::size_t>(node);
  do {
    const std::uint16_t k = ++weight_[c];
    if (k > weight_[c + 1]) c = static_cast<std::size_t>(Exchange(static_cast<int>(c), k));
    c = link_[c];
  } while (c != 0);
}

void LzhTree::Bump(int symbol) {
  if (weight_[kRoot] == kRebuildWeight) Rescale();
  Climb(link_[kLeafBase + symbol]);
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
