// Listing the entries of an archive.
#include "archive/entry_checks.h"
#include "archive/vondral.h"

namespace brontel {

void TVondral::ScanCompressedStream(Stream& stream, TStringList& Files) {
  // Too short for an archive header and one entry header: nothing to list, nothing to check.
  if (stream.Size() < TArchiveHeader::kSize + TFileHeader::kSize) return;

  TArchiveHeader archive;
  std::string compress_id;
  ReadArchiveHeader(stream, archive, compress_id);

  TFileHeader header;
  std::string name;
  // TotalSize plays no part here: the listing runs to the last entry header that reads whole.
  while (ReadFileHeader(stream, header, name)) {
    const std::int64_t body_start = stream.Position();
    const std::int64_t header_position = body_start - TFileHeader::kSize - header.NameLength;
    CheckEntryExtent(header, name, header_position);

    auto info = std::make_unique<TVondralFileInfo>();
    info->FileDate = header.FileDate;
    info->Attributes = header.Attributes;
    info->OriginalSize = header.OriginalSize;
    info->CompressedSize = header.CompressedSize;
    info->Method = header.Method;
    info->Checksum = header.Checksum;
    info->HeaderPosition = static_cast<std::int32_t>(header_position);
    info->Locked = header.Locked > 0;
    Files.Add(name, std::move(info));

    // Bodies are passed over by position, never read.
    stream.SetPosition(body_start + header.CompressedSize);
  }
}

}  // namespace brontel
