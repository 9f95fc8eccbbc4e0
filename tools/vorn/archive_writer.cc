#include "tools/vorn/archive_writer.h"

#include <limits>

#include "archive/archive_format.h"
#include "base/exception.h"
#include "tools/vorn/encoders.h"

namespace brontel::vorn {

namespace {

constexpr std::int64_t kMaxSize = std::numeric_limits<std::int32_t>::max();

std::vector<unsigned char> Encode(int method, std::span<const unsigned char> content) {
  switch (method) {
    case 0:
      return EncodeStored(content);
    case 1:
      return EncodeRle(content);
    case 2:
      return EncodeLzh(content);
  }
  throw Exception("Unknown method number " + std::to_string(method));
}

}  // namespace

const char* MethodId(int method) {
  switch (method) {
    case 0:
      return kMethodIdStored;
    case 1:
      return kMethodIdRle;
    case 2:
      return kMethodIdLzh;
  }
  return "";
}

std::vector<unsigned char> WriteArchive(
    const std::vector<SourceFile>& files, int method, std::int32_t key,
    const std::function<void(const std::string& name)>& on_file) {
  const bool locked = key > 0;
  std::vector<unsigned char> entries;
  std::int64_t total = 0;
  for (const auto& file : files) {
    if (file.name.size() > static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max())) {
      throw Exception("Name too long for the archive: " + file.name.substr(0, 60) + "...");
    }
    total += static_cast<std::int64_t>(file.content.size());
    if (static_cast<std::int64_t>(file.content.size()) > kMaxSize || total > kMaxSize) {
      throw Exception("Too large for the archive: " + file.name);
    }
    if (on_file) on_file(file.name);
    const auto body = Encode(method, file.content);
    if (static_cast<std::int64_t>(body.size()) > kMaxSize) {
      throw Exception("Too large for the archive: " + file.name);
    }

    TFileHeader header;
    header.NameLength = static_cast<std::int16_t>(file.name.size());
    header.FileDate = file.dos_date_time;
    header.Attributes = file.attributes;
    header.OriginalSize = static_cast<std::int32_t>(file.content.size());
    header.CompressedSize = static_cast<std::int32_t>(body.size());
    header.Method = static_cast<std::uint8_t>(method);
    header.Checksum =
        ArchiveChecksum(file.content) + (locked ? static_cast<std::uint32_t>(key) : 0);
    header.Locked = locked ? 1 : 0;

    const auto head = EncodeFileHeader(header);
    entries.insert(entries.end(), head.begin(), head.end());
    entries.insert(entries.end(), file.name.begin(), file.name.end());
    entries.insert(entries.end(), body.begin(), body.end());
  }

  TArchiveHeader archive;
  archive.Signature = kArchiveSignature;
  SetCompressId(archive, MethodId(method));
  archive.TotalSize = static_cast<std::int32_t>(total);
  archive.ArchiveType = kArchiveTypeMulti;
  archive.Locked = locked ? 1 : 0;
  const auto head = EncodeArchiveHeader(archive);

  std::vector<unsigned char> out(head.begin(), head.end());
  out.insert(out.end(), entries.begin(), entries.end());
  return out;
}

}  // namespace brontel::vorn
