#include "archive/archive_format.h"

#include <algorithm>

namespace brontel {

namespace {

// Reads little-endian integers at a running offset of a byte record.
class Reader {
 public:
  explicit Reader(std::span<const unsigned char> bytes) : bytes_(bytes) {}

  std::uint8_t U8() { return bytes_[at_++]; }
  std::uint16_t U16() {
    const auto low = U8();
    return static_cast<std::uint16_t>(low | (U8() << 8));
  }
  std::uint32_t U32() {
    const std::uint32_t low = U16();
    return low | (static_cast<std::uint32_t>(U16()) << 16);
  }
  std::int16_t I16() { return static_cast<std::int16_t>(U16()); }
  std::int32_t I32() { return static_cast<std::int32_t>(U32()); }

 private:
  std::span<const unsigned char> bytes_;
  std::size_t at_ = 0;
};

// Writes little-endian integers at a running offset of a byte record.
class Writer {
 public:
  explicit Writer(std::span<unsigned char> bytes) : bytes_(bytes) {}

  void U8(std::uint32_t v) { bytes_[at_++] = static_cast<unsigned char>(v & 0xFF); }
  void U16(std::uint32_t v) {
    U8(v);
    U8(v >> 8);
  }
  void U32(std::uint32_t v) {
    U16(v & 0xFFFF);
    U16(v >> 16);
  }

 private:
  std::span<unsigned char> bytes_;
  std::size_t at_ = 0;
};

}  // namespace

TArchiveHeader DecodeArchiveHeader(std::span<const unsigned char, TArchiveHeader::kSize> bytes) {
  Reader in(bytes);
  TArchiveHeader header;
  for (auto& b : header.Signature) b = in.U8();
  for (auto& c : header.CompressID) c = static_cast<char>(in.U8());
  header.TotalSize = in.I32();
  header.ArchiveType = in.U8();
  header.Reserved = in.I32();
  header.Locked = in.I32();
  return header;
}

ArchiveHeaderBytes EncodeArchiveHeader(const TArchiveHeader& header) {
  ArchiveHeaderBytes bytes{};
  Writer out(bytes);
  for (auto b : header.Signature) out.U8(b);
  for (auto c : header.CompressID) out.U8(static_cast<unsigned char>(c));
  out.U32(static_cast<std::uint32_t>(header.TotalSize));
  out.U8(header.ArchiveType);
  out.U32(static_cast<std::uint32_t>(header.Reserved));
  out.U32(static_cast<std::uint32_t>(header.Locked));
  return bytes;
}

TFileHeader DecodeFileHeader(std::span<const unsigned char, TFileHeader::kSize> bytes) {
  Reader in(bytes);
  TFileHeader header;
  header.NameLength = in.I16();
  header.FileDate = in.U32();
  header.Attributes = in.U16();
  header.OriginalSize = in.I32();
  header.CompressedSize = in.I32();
  header.Method = in.U8();
  header.Checksum = in.U32();
  header.Locked = in.I32();
  return header;
}

FileHeaderBytes EncodeFileHeader(const TFileHeader& header) {
  FileHeaderBytes bytes{};
  Writer out(bytes);
  out.U16(static_cast<std::uint16_t>(header.NameLength));
  out.U32(header.FileDate);
  out.U16(header.Attributes);
  out.U32(static_cast<std::uint32_t>(header.OriginalSize));
  out.U32(static_cast<std::uint32_t>(header.CompressedSize));
  out.U8(header.Method);
  out.U32(header.Checksum);
  out.U32(static_cast<std::uint32_t>(header.Locked));
  return bytes;
}

std::string CompressIdText(const TArchiveHeader& header) {
  return std::string(header.CompressID.begin(), header.CompressID.end());
}

void SetCompressId(TArchiveHeader& header, const std::string& id) {
  header.CompressID.fill(' ');
  std::copy_n(id.begin(), std::min<std::size_t>(id.size(), 3), header.CompressID.begin());
}

std::uint32_t ArchiveChecksum(std::span<const unsigned char> bytes, std::uint32_t start) {
  std::uint32_t sum = start;
  for (unsigned char b : bytes) sum += b;
  return sum;
}

}  // namespace brontel
