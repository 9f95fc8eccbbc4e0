#include "archive/testing/archive_builder.h"

namespace brontel::fixtures {

Bytes ToBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

ArchiveBuilder::ArchiveBuilder(std::string compress_id) {
  header_.Signature = kArchiveSignature;
  SetCompressId(header_, compress_id);
  header_.ArchiveType = kArchiveTypeMulti;
}

ArchiveBuilder& ArchiveBuilder::SetTotalSize(std::int32_t total) {
  total_given_ = true;
  header_.TotalSize = total;
  return *this;
}

ArchiveBuilder& ArchiveBuilder::SetArchiveType(std::uint8_t type) {
  header_.ArchiveType = type;
  return *this;
}

ArchiveBuilder& ArchiveBuilder::SetSignatureByte(int index, unsigned char value) {
  header_.Signature.at(static_cast<std::size_t>(index)) = value;
  return *this;
}

ArchiveBuilder& ArchiveBuilder::Stored(const std::string& name, const Bytes& content,
                                       std::uint32_t file_date) {
  TFileHeader header;
  header.FileDate = file_date;
  header.Attributes = 0x20;
  header.OriginalSize = static_cast<std::int32_t>(content.size());
  header.CompressedSize = static_cast<std::int32_t>(content.size());
  header.Method = 0;
  header.Checksum = ArchiveChecksum(content);
  return Raw(header, name, content);
}

ArchiveBuilder& ArchiveBuilder::Stored(const std::string& name, const std::string& content,
                                       std::uint32_t file_date) {
  return Stored(name, ToBytes(content), file_date);
}

ArchiveBuilder& ArchiveBuilder::Coded(const std::string& name, std::uint8_t method,
                                      const Bytes& body, const Bytes& content, bool locked,
                                      std::uint32_t key) {
  TFileHeader header;
  header.FileDate = kSomeDate;
  header.Attributes = 0x20;
  header.OriginalSize = static_cast<std::int32_t>(content.size());
  header.CompressedSize = static_cast<std::int32_t>(body.size());
  header.Method = method;
  header.Checksum = ArchiveChecksum(content) + (locked ? key : 0);
  header.Locked = locked ? 1 : 0;
  return Raw(header, name, body);
}

ArchiveBuilder& ArchiveBuilder::Raw(const TFileHeader& header, const std::string& name,
                                    const Bytes& body, bool keep_name_length) {
  TFileHeader h = header;
  if (!keep_name_length) h.NameLength = static_cast<std::int16_t>(name.size());
  const auto bytes = EncodeFileHeader(h);
  entries_.insert(entries_.end(), bytes.begin(), bytes.end());
  entries_.insert(entries_.end(), name.begin(), name.end());
  entries_.insert(entries_.end(), body.begin(), body.end());
  total_ += h.OriginalSize;
  return *this;
}

ArchiveBuilder& ArchiveBuilder::Trailer(const Bytes& bytes) {
  trailer_.insert(trailer_.end(), bytes.begin(), bytes.end());
  return *this;
}

Bytes ArchiveBuilder::Build() const {
  TArchiveHeader header = header_;
  if (!total_given_) header.TotalSize = static_cast<std::int32_t>(total_);
  const auto head = EncodeArchiveHeader(header);
  Bytes out(head.begin(), head.end());
  out.insert(out.end(), entries_.begin(), entries_.end());
  out.insert(out.end(), trailer_.begin(), trailer_.end());
  return out;
}

}  // namespace brontel::fixtures
