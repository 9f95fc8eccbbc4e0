// An archive read whole from a host file, with a read-only stream over its bytes.
#pragma once

#include <string>
#include <vector>

#include "base/memory_stream.h"

namespace brontel::vorn {

class ArchiveFile {
 public:
  // Raises as ReadHostFile does.
  explicit ArchiveFile(const std::string& path);
  ArchiveFile(const ArchiveFile&) = delete;
  ArchiveFile& operator=(const ArchiveFile&) = delete;

  // Valid while this object lives.
  MemoryStream& Stream() { return stream_; }

 private:
  std::vector<unsigned char> bytes_;
  MemoryStream stream_;
};

}  // namespace brontel::vorn
