#include "tools/vorn/archive_file.h"

#include "tools/vorn/host_files.h"

namespace brontel::vorn {

ArchiveFile::ArchiveFile(const std::string& path)
    : bytes_(ReadHostFile(path)),
      stream_(bytes_.data(), static_cast<std::int64_t>(bytes_.size())) {}

}  // namespace brontel::vorn
