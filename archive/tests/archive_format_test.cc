#include "archive/archive_format.h"

#include <gtest/gtest.h>

#include <vector>

namespace brontel {
namespace {

TEST(ArchiveFormatTest, EntryHeaderDecodesFieldByFieldLittleEndian) {
  // The header of a 2,006-byte file coded with method 2 into 935 bytes.
  const FileHeaderBytes bytes = {0x09, 0x00, 0x0D, 0x90, 0x47, 0x23, 0x20, 0x00, 0xD6,
                                 0x07, 0x00, 0x00, 0xA7, 0x03, 0x00, 0x00, 0x02, 0xE1,
                                 0x7D, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00};
  const TFileHeader h = DecodeFileHeader(bytes);
  EXPECT_EQ(h.NameLength, 9);
  EXPECT_EQ(h.FileDate, 0x2347900Du);
  EXPECT_EQ(h.Attributes, 0x20);
  EXPECT_EQ(h.OriginalSize, 2006);
  EXPECT_EQ(h.CompressedSize, 935);
  EXPECT_EQ(h.Method, 2);
  EXPECT_EQ(h.Checksum, 0x27DE1u);
  EXPECT_EQ(h.Locked, 0);
  EXPECT_EQ(EncodeFileHeader(h), bytes);
}

TEST(ArchiveFormatTest, SignedFieldsKeepTheirSign) {
  TFileHeader h;
  h.NameLength = -2;
  h.OriginalSize = -1;
  h.CompressedSize = -123456789;
  h.Checksum = 0xFFFFFFFFu;
  h.Locked = 7;
  const TFileHeader back = DecodeFileHeader(EncodeFileHeader(h));
  EXPECT_EQ(back.NameLength, -2);
  EXPECT_EQ(back.OriginalSize, -1);
  EXPECT_EQ(back.CompressedSize, -123456789);
  EXPECT_EQ(back.Checksum, 0xFFFFFFFFu);
  EXPECT_EQ(back.Locked, 7);
}

TEST(ArchiveFormatTest, ArchiveHeaderLayout) {
  TArchiveHeader h;
  h.Signature = kArchiveSignature;
  SetCompressId(h, "LZH");
  h.TotalSize = 719483;
  h.ArchiveType = 1;
  const ArchiveHeaderBytes expected = {'V',  'O',  'R', 'N', 0x1A, 'L', 'Z', 'H', 0x7B, 0xFA, 0x0A,
                                       0x00, 0x01, 0,   0,   0,    0,   0,   0,   0,    0};
  EXPECT_EQ(EncodeArchiveHeader(h), expected);

  h.Reserved = -5;
  h.Locked = 1;
  const TArchiveHeader back = DecodeArchiveHeader(EncodeArchiveHeader(h));
  EXPECT_EQ(CompressIdText(back), "LZH");
  EXPECT_EQ(back.TotalSize, 719483);
  EXPECT_EQ(back.Reserved, -5);
  EXPECT_EQ(back.Locked, 1);
}

TEST(ArchiveFormatTest, ChecksumSumsUnsignedBytesAndWraps) {
  const std::vector<unsigned char> abc = {'a', 'b', 'c'};
  EXPECT_EQ(ArchiveChecksum(abc), 294u);
  EXPECT_EQ(ArchiveChecksum({}), 0u);
  const std::vector<unsigned char> ff(1000, 0xFF);
  EXPECT_EQ(ArchiveChecksum(ff), 255000u);
  // Summing in pieces continues from `start`; 16,843,010 bytes of 0xFF wrap round to 254.
  std::uint32_t sum = 0;
  for (int i = 0; i < 16843; ++i) sum = ArchiveChecksum(ff, sum);
  sum = ArchiveChecksum(std::vector<unsigned char>(10, 0xFF), sum);
  EXPECT_EQ(sum, 254u);
}

}  // namespace
}  // namespace brontel
