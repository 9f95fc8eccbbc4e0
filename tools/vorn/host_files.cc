#include "tools/vorn/host_files.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/exception.h"
#include "base/strings.h"

namespace brontel::vorn {

namespace fs = std::filesystem;

std::vector<unsigned char> ReadHostFile(const std::string& path) {
  std::error_code error;
  if (fs::is_directory(path, error)) throw EFOpenError(FormatS("Cannot open file %s", path));
  std::ifstream in(path, std::ios::binary);
  if (!in) throw EFOpenError(FormatS("Cannot open file %s", path));
  std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
  if (in.bad()) throw EReadError("Stream read error");
  return bytes;
}

void WriteHostFile(const std::string& path, const std::vector<unsigned char>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw EFCreateError(FormatS("Cannot create file %s", path));
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw EWriteError("Stream write error");
}

HostFileStatus StatHostFile(const std::string& path) {
  std::error_code error;
  const auto status = fs::status(path, error);
  const auto when = fs::last_write_time(path, error);
  if (error) throw EFOpenError(FormatS("Cannot open file %s", path));
  HostFileStatus result;
  result.last_write = std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(when));
  result.writable = (status.permissions() & fs::perms::owner_write) != fs::perms::none;
  return result;
}

}  // namespace brontel::vorn
