// The host files vorn reads and writes directly: the files packed by "create" and the archive
// itself. Paths are host paths; the extracted files go through the platform file system instead.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

namespace brontel::vorn {

// The whole file. Raises EFOpenError ("Cannot open file %s") when it cannot be opened and
// EReadError when reading fails.
std::vector<unsigned char> ReadHostFile(const std::string& path);
// Creates or replaces the file with `bytes`. Raises EFCreateError ("Cannot create file %s")
// or EWriteError.
void WriteHostFile(const std::string& path, const std::vector<unsigned char>& bytes);

struct HostFileStatus {
  std::time_t last_write = 0;
  bool writable = true;  // the owner may write it
};
// Raises EFOpenError when the file cannot be examined.
HostFileStatus StatHostFile(const std::string& path);

}  // namespace brontel::vorn
