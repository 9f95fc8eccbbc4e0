// A mixed corpus gathered from this machine for the codec benchmarks: text files from the
// documentation and header folders and executables, interleaved file by file.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace brontel::bench {

struct BenchCorpus {
  std::vector<unsigned char> bytes;
  std::size_t text_bytes = 0;
  std::size_t binary_bytes = 0;
  std::size_t files = 0;
};

// Gathers at least `target_bytes` (half text, half executables, in sorted path order so the
// same machine always gives the same corpus). Built once and kept for the process.
const BenchCorpus& MixedCorpus(std::size_t target_bytes = 24u << 20);

}  // namespace brontel::bench
