#include "tools/vorn/archive_writer.h"

#include <gtest/gtest.h>

#include "archive/archive_format.h"
#include "archive/vondral.h"
#include "base/memory_stream.h"

namespace brontel::vorn {
namespace {

std::vector<unsigned char> Text(const std::string& s) { return {s.begin(), s.end()}; }

std::vector<SourceFile> TwoFiles() {
  std::vector<SourceFile> files(2);
  files[0].name = "readme.txt";
  files[0].content = Text("abc");  // sums to 294
  files[0].dos_date_time = 0x2347900D;
  files[1].name = "sub\\data.bin";
  files[1].content = std::vector<unsigned char>(5000, 0x41);
  files[1].attributes = 0x21;
  return files;
}

TEST(ArchiveWriterTest, WritesTheHeadersOfAStoredArchive) {
  const auto bytes = WriteArchive(TwoFiles(), 0, 0);
  ASSERT_EQ(bytes.size(), 21u + 25 + 10 + 3 + 25 + 12 + 5000);
  const TArchiveHeader archive =
      DecodeArchiveHeader(std::span<const unsigned char, 21>(bytes.data(), 21));
  EXPECT_EQ(archive.Signature, kArchiveSignature);
  EXPECT_EQ(CompressIdText(archive), "NON");
  EXPECT_EQ(archive.TotalSize, 5003);
  EXPECT_EQ(archive.ArchiveType, 1);
  EXPECT_EQ(archive.Reserved, 0);
  EXPECT_EQ(archive.Locked, 0);
  const TFileHeader first =
      DecodeFileHeader(std::span<const unsigned char, 25>(bytes.data() + 21, 25));
  EXPECT_EQ(first.NameLength, 10);
  EXPECT_EQ(first.FileDate, 0x2347900Du);
  EXPECT_EQ(first.Attributes, 0x20);
  EXPECT_EQ(first.OriginalSize, 3);
  EXPECT_EQ(first.CompressedSize, 3);
  EXPECT_EQ(first.Method, 0);
  EXPECT_EQ(first.Checksum, 294u);
  EXPECT_EQ(first.Locked, 0);
  EXPECT_EQ(std::string(bytes.begin() + 46, bytes.begin() + 56), "readme.txt");
}

TEST(ArchiveWriterTest, APositiveKeyLocksEveryEntryAndTheArchive) {
  const auto bytes = WriteArchive(TwoFiles(), 0, 1000);
  EXPECT_EQ(DecodeArchiveHeader(std::span<const unsigned char, 21>(bytes.data(), 21)).Locked, 1);
  const TFileHeader first =
      DecodeFileHeader(std::span<const unsigned char, 25>(bytes.data() + 21, 25));
  EXPECT_EQ(first.Locked, 1);
  EXPECT_EQ(first.Checksum, 1294u);

  const auto negative = WriteArchive(TwoFiles(), 0, -5);
  EXPECT_EQ(DecodeFileHeader(std::span<const unsigned char, 25>(negative.data() + 21, 25)).Locked,
            0);
}

TEST(ArchiveWriterTest, EveryMethodExpandsBackThroughTheComponent) {
  for (int method = 0; method <= 2; ++method) {
    SCOPED_TRACE(method);
    const auto files = TwoFiles();
    const auto bytes = WriteArchive(files, method, 77);
    MemoryStream stream(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    TVondral vondral;
    vondral.Key = 77;
    TStringList entries;
    vondral.ScanCompressedStream(stream, entries);
    ASSERT_EQ(entries.Count(), 2);
    for (int i = 0; i < 2; ++i) {
      const auto& info = dynamic_cast<const TVondralFileInfo&>(*entries.Objects(i));
      EXPECT_EQ(info.Method, method);
      stream.SetPosition(info.HeaderPosition + 25 + static_cast<int>(files[i].name.size()));
      BufferStream out;
      vondral.ExpandEntry(out, stream, info.CompressedSize, info.OriginalSize, info.Checksum,
                          info.Method, MethodId(method), info.Locked);
      EXPECT_EQ(out.Bytes(), files[i].content);
    }
  }
}

TEST(ArchiveWriterTest, MethodIds) {
  EXPECT_STREQ(MethodId(0), "NON");
  EXPECT_STREQ(MethodId(1), "RLE");
  EXPECT_STREQ(MethodId(2), "LZH");
}

}  // namespace
}  // namespace brontel::vorn
