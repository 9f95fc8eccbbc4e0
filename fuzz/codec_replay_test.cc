// Runs every saved input of the codec fuzz targets through the same entry functions, so the
// corpus guards the invariants in every build, not only under libFuzzer.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace brontel::fuzz {
int FuzzLzhDecode(const std::uint8_t* data, std::size_t size);
int FuzzRleDecode(const std::uint8_t* data, std::size_t size);
}  // namespace brontel::fuzz

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> CorpusFiles(const std::string& target) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(fs::path(BRONTEL_FUZZ_CORPUS_DIR) / target)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  return files;
}

void Replay(const std::string& target, int (*entry)(const std::uint8_t*, std::size_t)) {
  const std::vector<fs::path> files = CorpusFiles(target);
  ASSERT_FALSE(files.empty()) << "no saved inputs for " << target;
  for (const fs::path& file : files) {
    SCOPED_TRACE(file.string());
    std::ifstream in(file, std::ios::binary);
    const std::vector<std::uint8_t> data(std::istreambuf_iterator<char>(in), {});
    entry(data.data(), data.size());
  }
}

TEST(CodecFuzzReplayTest, LzhDecodeCorpus) {
  Replay("fuzz_lzh_decode", &brontel::fuzz::FuzzLzhDecode);
}

TEST(CodecFuzzReplayTest, RleDecodeCorpus) {
  Replay("fuzz_rle_decode", &brontel::fuzz::FuzzRleDecode);
}

}  // namespace
