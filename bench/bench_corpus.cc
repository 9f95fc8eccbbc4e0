#include "bench/bench_corpus.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace brontel::bench {

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> FilesUnder(const std::vector<std::string>& roots) {
  std::vector<fs::path> files;
  for (const std::string& root : roots) {
    std::error_code ec;
    for (fs::recursive_directory_iterator
             it(root, fs::directory_options::skip_permission_denied, ec),
         end;
         !ec && it != end; it.increment(ec)) {
      if (it->is_regular_file(ec) && !it->is_symlink(ec)) files.push_back(it->path());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::vector<unsigned char> ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

bool LooksLikeText(const std::vector<unsigned char>& b) {
  return !b.empty() && std::find(b.begin(), b.end(), 0) == b.end();
}

bool LooksLikeExecutable(const std::vector<unsigned char>& b) {
  return b.size() > 4 && std::memcmp(b.data(),
                                     "\x7f"
                                     "ELF",
                                     4) == 0;
}

// Takes files that `accept` passes, each at most 2 MB, until `want` bytes are gathered.
class Picker {
 public:
  Picker(std::vector<fs::path> files, bool (*accept)(const std::vector<unsigned char>&))
      : files_(std::move(files)), accept_(accept) {}

  bool Next(std::vector<unsigned char>& out) {
    while (index_ < files_.size()) {
      const fs::path& path = files_[index_++];
      std::error_code ec;
      const auto size = fs::file_size(path, ec);
      if (ec || size == 0 || size > (2u << 20) || path.extension() == ".gz") continue;
      out = ReadAll(path);
      if (accept_(out)) return true;
    }
    return false;
  }

 private:
  std::vector<fs::path> files_;
  bool (*accept_)(const std::vector<unsigned char>&);
  std::size_t index_ = 0;
};

}  // namespace

const BenchCorpus& MixedCorpus(std::size_t target_bytes) {
  static const BenchCorpus corpus = [target_bytes] {
    BenchCorpus c;
    Picker text(FilesUnder({"/usr/share/doc", "/usr/include"}), &LooksLikeText);
    Picker binary(FilesUnder({"/usr/bin", "/usr/lib/x86_64-linux-gnu"}), &LooksLikeExecutable);
    std::vector<unsigned char> file;
    bool more_text = true;
    bool more_binary = true;
    while (c.bytes.size() < target_bytes && (more_text || more_binary)) {
      // Keep the two halves level: take from whichever is behind.
      const bool want_text = more_text && (!more_binary || c.text_bytes <= c.binary_bytes);
      Picker& picker = want_text ? text : binary;
      if (!picker.Next(file)) {
        (want_text ? more_text : more_binary) = false;
        continue;
      }
      (want_text ? c.text_bytes : c.binary_bytes) += file.size();
      c.bytes.insert(c.bytes.end(), file.begin(), file.end());
      ++c.files;
    }
    return c;
  }();
  return corpus;
}

}  // namespace brontel::bench
