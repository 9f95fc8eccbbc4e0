// The archive container's two fixed records and their byte layout. Both are packed and
// little-endian; they are read and written byte by byte so the layout never depends on the
// compiler's struct packing or on the host's byte order.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace brontel {

// The four letters "VORN" and the byte 0x1A.
inline constexpr std::array<unsigned char, 5> kArchiveSignature = {'V', 'O', 'R', 'N', 0x1A};
// The only archive type a reader accepts: several named files.
inline constexpr std::uint8_t kArchiveTypeMulti = 1;

// The method IDs of the archive header, by method number 0 to 3.
inline constexpr char kMethodIdStored[] = "NON";
inline constexpr char kMethodIdRle[] = "RLE";
inline constexpr char kMethodIdLzh[] = "LZH";
inline constexpr char kMethodIdCustom[] = "CUS";

// The 21-byte record at offset 0 of every archive.
struct TArchiveHeader {
  static constexpr int kSize = 21;

  std::array<unsigned char, 5> Signature{};
  std::array<char, 3> CompressID{};
  std::int32_t TotalSize = 0;
  std::uint8_t ArchiveType = 0;
  std::int32_t Reserved = 0;
  std::int32_t Locked = 0;
};

// The 25-byte record before each entry's name and body.
struct TFileHeader {
  static constexpr int kSize = 25;

  std::int16_t NameLength = 0;
  std::uint32_t FileDate = 0;  // DOS date (high 16 bits) and time (low 16 bits), local time
  std::uint16_t Attributes = 0;
  std::int32_t OriginalSize = 0;
  std::int32_t CompressedSize = 0;
  std::uint8_t Method = 0;
  std::uint32_t Checksum = 0;
  std::int32_t Locked = 0;
};

using ArchiveHeaderBytes = std::array<unsigned char, TArchiveHeader::kSize>;
using FileHeaderBytes = std::array<unsigned char, TFileHeader::kSize>;

TArchiveHeader DecodeArchiveHeader(std::span<const unsigned char, TArchiveHeader::kSize> bytes);
ArchiveHeaderBytes EncodeArchiveHeader(const TArchiveHeader& header);
TFileHeader DecodeFileHeader(std::span<const unsigned char, TFileHeader::kSize> bytes);
FileHeaderBytes EncodeFileHeader(const TFileHeader& header);

// The three ID letters as a string.
std::string CompressIdText(const TArchiveHeader& header);
// Puts the first three characters of `id` into the header (blanks where `id` is shorter).
void SetCompressId(TArchiveHeader& header, const std::string& id);

// The archive checksum of `bytes`: the sum of the bytes as values 0 to 255, modulo 2^32, added
// to `start` (so a file can be summed in pieces).
std::uint32_t ArchiveChecksum(std::span<const unsigned char> bytes, std::uint32_t start = 0);

}  // namespace brontel
