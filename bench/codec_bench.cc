// Speed and size of the LZH codec on a mixed corpus from this machine: the engine's decoder
// against the -lh1- decoder of the LHA library and command-line tool on the very same bit
// stream, the encoder's speed, and its output size against gzip -6.
//
//   cmake --build --preset default --target codec_bench
//   build/default/bench/codec_bench --benchmark_min_time=2
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "archive/method_engine.h"
#include "base/memory_stream.h"
#include "bench/bench_corpus.h"
#include "bench/lhasa_reference.h"
#include "tools/vorn/encoders.h"
#include "tools/vorn/tests/lha_member.h"

namespace brontel::bench {
namespace {

namespace fs = std::filesystem;

// Writes into a fixed block of memory; each expansion starts again at its beginning.
class MemorySink : public Stream {
 public:
  explicit MemorySink(std::size_t capacity) : bytes_(capacity) {}
  std::int32_t Read(void*, std::int32_t) override { return 0; }
  std::int32_t Write(const void* buffer, std::int32_t count) override {
    const auto n = static_cast<std::int32_t>(
        std::min<std::size_t>(static_cast<std::size_t>(count), bytes_.size() - pos_));
    std::memcpy(bytes_.data() + pos_, buffer, static_cast<std::size_t>(n));
    pos_ += static_cast<std::size_t>(n);
    return n;
  }
  std::int64_t Seek(std::int64_t offset, SeekOrigin) override {
    pos_ = static_cast<std::size_t>(offset);
    return offset;
  }
  std::int64_t Size() override { return static_cast<std::int64_t>(pos_); }
  const std::vector<unsigned char>& Bytes() const { return bytes_; }

 private:
  std::vector<unsigned char> bytes_;
  std::size_t pos_ = 0;
};

const std::vector<unsigned char>& Corpus() { return MixedCorpus().bytes; }

const std::vector<unsigned char>& LzhBody() {
  static const std::vector<unsigned char> body = vorn::EncodeLzh(Corpus());
  return body;
}

class TempFile {
 public:
  explicit TempFile(const std::vector<unsigned char>& bytes) {
    std::string pattern = (fs::temp_directory_path() / "codec-bench-XXXXXX").string();
    const int fd = mkstemp(pattern.data());
    if (fd >= 0) {
      close(fd);
      path_ = pattern;
      std::ofstream out(path_, std::ios::binary);
      out.write(reinterpret_cast<const char*>(bytes.data()),
                static_cast<std::streamsize>(bytes.size()));
    }
  }
  ~TempFile() {
    std::error_code ignored;
    if (!path_.empty()) fs::remove(path_, ignored);
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

std::size_t Gzip6Size() {
  static const std::size_t size = [] {
    TempFile file(Corpus());
    const std::string command = "gzip -6 -c '" + file.path() + "' | wc -c";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return std::size_t{0};
    unsigned long long n = 0;
    if (std::fscanf(pipe, "%llu", &n) != 1) n = 0;
    pclose(pipe);
    return static_cast<std::size_t>(n);
  }();
  return size;
}

void ReportCorpus(benchmark::State& state) {
  const BenchCorpus& c = MixedCorpus();
  state.counters["corpus_MB"] = static_cast<double>(c.bytes.size()) / 1e6;
  state.counters["text_MB"] = static_cast<double>(c.text_bytes) / 1e6;
  state.counters["binary_MB"] = static_cast<double>(c.binary_bytes) / 1e6;
}

void BM_LzhDecodeEngine(benchmark::State& state) {
  const std::vector<unsigned char>& body = LzhBody();
  const auto size = static_cast<std::int32_t>(Corpus().size());
  MemorySink sink(Corpus().size());
  std::uint32_t checksum = 0;
  for (auto _ : state) {
    MemoryStream source(body.data(), static_cast<std::int64_t>(body.size()));
    sink.Seek(0, SeekOrigin::kBegin);
    ExpandBody([](std::int32_t& percentage) { benchmark::DoNotOptimize(percentage); }, sink, source,
               static_cast<std::int32_t>(body.size()), size, kMethodLzh, checksum);
  }
  if (sink.Bytes() != Corpus()) state.SkipWithError("the engine decoded something else");
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * size);
  ReportCorpus(state);
}
BENCHMARK(BM_LzhDecodeEngine)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LzhDecodeLhasaLibrary(benchmark::State& state) {
  if (!HaveLhasaLibrary()) {
    state.SkipWithError("built without the LHA library (liblhasa-dev)");
    return;
  }
  const std::vector<unsigned char>& body = LzhBody();
  std::vector<unsigned char> out;
  for (auto _ : state) {
    LhasaLibraryDecode(body, Corpus().size(), out);
    benchmark::DoNotOptimize(out.data());
  }
  if (out != Corpus()) state.SkipWithError("the LHA library decoded something else");
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(Corpus().size()));
}
BENCHMARK(BM_LzhDecodeLhasaLibrary)->Unit(benchmark::kMillisecond)->UseRealTime();

// The command-line tool prints the member to a pipe; includes starting the process and
// reading the archive file, which are small beside decoding 20 MB.
void BM_LzhDecodeLhaCli(benchmark::State& state) {
  if (std::system("command -v lha >/dev/null 2>&1") != 0) {
    state.SkipWithError("lha is not installed");
    return;
  }
  const TempFile archive(vorn::testing::LhaArchiveWithLh1Member("corpus.bin", LzhBody(), Corpus()));
  const std::string command = "lha pq '" + archive.path() + "' | wc -c";
  unsigned long long printed = 0;
  for (auto _ : state) {
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr || std::fscanf(pipe, "%llu", &printed) != 1) printed = 0;
    if (pipe != nullptr) pclose(pipe);
  }
  if (printed != Corpus().size()) state.SkipWithError("lha printed a different size");
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(Corpus().size()));
}
BENCHMARK(BM_LzhDecodeLhaCli)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LzhEncode(benchmark::State& state) {
  std::size_t compressed = 0;
  for (auto _ : state) {
    const std::vector<unsigned char> body = vorn::EncodeLzh(Corpus());
    compressed = body.size();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(Corpus().size()));
  const std::size_t gzip = Gzip6Size();
  state.counters["lzh_MB"] = static_cast<double>(compressed) / 1e6;
  state.counters["gzip6_MB"] = static_cast<double>(gzip) / 1e6;
  state.counters["lzh_per_gzip6"] = gzip ? static_cast<double>(compressed) / gzip : 0;
  ReportCorpus(state);
}
BENCHMARK(BM_LzhEncode)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RleDecodeEngine(benchmark::State& state) {
  static const std::vector<unsigned char> body = vorn::EncodeRle(Corpus());
  MemorySink sink(Corpus().size());
  std::uint32_t checksum = 0;
  for (auto _ : state) {
    MemoryStream source(body.data(), static_cast<std::int64_t>(body.size()));
    sink.Seek(0, SeekOrigin::kBegin);
    ExpandBody(nullptr, sink, source, static_cast<std::int32_t>(body.size()), 0, kMethodRle,
               checksum);
  }
  if (sink.Bytes() != Corpus()) state.SkipWithError("the engine decoded something else");
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(Corpus().size()));
}
BENCHMARK(BM_RleDecodeEngine)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace brontel::bench

BENCHMARK_MAIN();
