// Builds archive bytes for tests: entries with bodies given as they are stored, headers filled
// in from them unless a test overrides a field to make a damaged archive.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "archive/archive_format.h"

namespace brontel::fixtures {

using Bytes = std::vector<unsigned char>;

Bytes ToBytes(const std::string& text);

class ArchiveBuilder {
 public:
  // An archive of type 1 with ID `compress_id`; TotalSize is the sum of the entries' sizes
  // unless SetTotalSize overrides it.
  explicit ArchiveBuilder(std::string compress_id = kMethodIdStored);

  ArchiveBuilder& SetTotalSize(std::int32_t total);
  ArchiveBuilder& SetArchiveType(std::uint8_t type);
  ArchiveBuilder& SetSignatureByte(int index, unsigned char value);

  // A stored entry: method 0, the checksum of `content`, attributes 0x20.
  ArchiveBuilder& Stored(const std::string& name, const Bytes& content,
                         std::uint32_t file_date = kSomeDate);
  ArchiveBuilder& Stored(const std::string& name, const std::string& content,
                         std::uint32_t file_date = kSomeDate);
  // An entry whose body is `body` as it stands, expanding to `content` with `method`; the
  // checksum is that of `content` plus `key` when `locked`.
  ArchiveBuilder& Coded(const std::string& name, std::uint8_t method, const Bytes& body,
                        const Bytes& content, bool locked = false, std::uint32_t key = 0);
  // An entry with every header field as given; only NameLength is taken from `name` unless
  // `keep_name_length` is set.
  ArchiveBuilder& Raw(const TFileHeader& header, const std::string& name, const Bytes& body,
                      bool keep_name_length = false);
  // Bytes appended after the last entry.
  ArchiveBuilder& Trailer(const Bytes& bytes);

  Bytes Build() const;

  // 1999-07-04 13:45:30 in DOS form.
  static constexpr std::uint32_t kSomeDate =
      (((1999u - 1980u) << 9 | 7u << 5 | 4u) << 16) | (13u << 11 | 45u << 5 | 15u);

 private:
  TArchiveHeader header_;
  bool total_given_ = false;
  std::int64_t total_ = 0;
  Bytes entries_;
  Bytes trailer_;
};

}  // namespace brontel::fixtures
