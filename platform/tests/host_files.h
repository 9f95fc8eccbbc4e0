// Small host-side helpers for file-system tests: fixtures are made and checked directly on the
// host, independently of the code under test.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace brontel::platform::testing {

inline void WriteHostFile(const std::string& path, const std::string& contents) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << contents;
}

inline std::string ReadHostFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace brontel::platform::testing
