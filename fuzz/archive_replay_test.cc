// Replays a fuzz target's saved corpus as an ordinary test, so every build checks the inputs
// that once found a fault or widened the coverage.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

TEST(CorpusReplay, EveryInputRunsCleanly) {
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(BRONTEL_CORPUS_DIR)) {
    if (!entry.is_regular_file()) continue;
    SCOPED_TRACE(entry.path().filename().string());
    std::ifstream in(entry.path(), std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    EXPECT_EQ(LLVMFuzzerTestOneInput(bytes.data(), bytes.size()), 0);
    ++count;
  }
  EXPECT_GT(count, 0) << "empty corpus " << BRONTEL_CORPUS_DIR;
}

}  // namespace
