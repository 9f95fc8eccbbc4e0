// The LZH bodies the encoder writes are the -lh1- bit stream: an independent LHA decoder
// extracts them to the original bytes. RLE has no LHA counterpart and is not checked here.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "tools/vorn/encoders.h"
#include "tools/vorn/tests/lha_member.h"

namespace brontel::vorn::testing {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

bool HaveLha() { return std::system("command -v lha >/dev/null 2>&1") == 0; }

class TempDir {
 public:
  TempDir() {
    std::string pattern = (fs::temp_directory_path() / "vorn-lha-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~TempDir() {
    std::error_code ignored;
    if (!path_.empty()) fs::remove_all(path_, ignored);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

void WriteFile(const fs::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

Bytes ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

Bytes Sample(int kind, std::size_t size, std::uint32_t seed) {
  std::mt19937 rng(seed);
  Bytes b(size);
  for (std::size_t i = 0; i < size; ++i) {
    switch (kind) {
      case 0:  // text-like: a small alphabet with spaces and repeats
        b[i] = i >= 40 && rng() % 3 == 0 ? b[i - 40]
                                         : static_cast<unsigned char>(" etaoinsr\n"[rng() % 10]);
        break;
      case 1:  // binary with structure
        b[i] = static_cast<unsigned char>((i % 16 < 4) ? i / 16 : rng() % 4);
        break;
      default:  // noise
        b[i] = static_cast<unsigned char>(rng());
    }
  }
  return b;
}

struct LhaCase {
  const char* name;
  Bytes data;
};

class LhaCheckTest : public ::testing::TestWithParam<LhaCase> {};

TEST_P(LhaCheckTest, LhaExtractsTheEncodedMember) {
  if (!HaveLha()) GTEST_SKIP() << "lha is not installed (scripts/bootstrap installs lhasa)";
  const Bytes& data = GetParam().data;
  TempDir dir;
  ASSERT_FALSE(dir.path().empty());
  const fs::path archive = dir.path() / "member.lzh";
  WriteFile(archive, LhaArchiveWithLh1Member("member.bin", EncodeLzh(data), data));
  const fs::path out = dir.path() / "out";
  fs::create_directory(out);
  const std::string command =
      "lha xqfw='" + out.string() + "' '" + archive.string() + "' >/dev/null 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0) << "lha failed on " << archive;
  EXPECT_EQ(ReadFile(out / "member.bin"), data);
}

INSTANTIATE_TEST_SUITE_P(Data, LhaCheckTest,
                         ::testing::Values(LhaCase{"OneByte", {'Z'}},
                                           LhaCase{"Spaces", Bytes(500, ' ')},
                                           LhaCase{"Text", Sample(0, 150000, 1)},
                                           LhaCase{"Structured", Sample(1, 90000, 2)},
                                           LhaCase{"Noise", Sample(2, 50000, 3)},
                                           LhaCase{"Size8193", Sample(0, 8193, 4)}),
                         [](const ::testing::TestParamInfo<LhaCase>& p) {
                           return std::string(p.param.name);
                         });

TEST(LhaMemberTest, CrcOfAKnownString) {
  const std::string s = "123456789";
  EXPECT_EQ(LhaCrc16(Bytes(s.begin(), s.end())), 0xBB3D);  // CRC-16/ARC check value
}

}  // namespace
}  // namespace brontel::vorn::testing
