#include <gtest/gtest.h>

#include <array>
#include <string>

#include "base/exception.h"
#include "base/memory_stream.h"

namespace brontel {
namespace {

TEST(MemoryStreamTest, ReadsTheBytesInPlaceAndStopsAtTheEnd) {
  static const char kData[] = "abcdef";
  MemoryStream stream(kData, 6);
  std::array<char, 4> buffer{};
  EXPECT_EQ(stream.Read(buffer.data(), 4), 4);
  EXPECT_EQ(std::string(buffer.data(), 4), "abcd");
  EXPECT_EQ(stream.Read(buffer.data(), 4), 2);
  EXPECT_EQ(stream.Read(buffer.data(), 4), 0);
  EXPECT_EQ(stream.Data(), reinterpret_cast<const unsigned char*>(kData));
}

TEST(MemoryStreamTest, IsReadOnlyAndReadBufferRaisesOnAShortRead) {
  static const char kData[] = "xyz";
  MemoryStream stream(kData, 3);
  EXPECT_EQ(stream.Write("a", 1), 0);
  EXPECT_THROW(stream.WriteBuffer("a", 1), EWriteError);
  char buffer[4];
  try {
    stream.ReadBuffer(buffer, 4);
    FAIL() << "no exception";
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Message(), "Stream read error");
  }
}

TEST(MemoryStreamTest, SeekPastTheEndReadsNothing) {
  static const char kData[] = "xyz";
  MemoryStream stream(kData, 3);
  EXPECT_EQ(stream.Seek(10, SeekOrigin::kCurrent), 10);
  char c;
  EXPECT_EQ(stream.Read(&c, 1), 0);
  EXPECT_EQ(stream.Seek(-1, SeekOrigin::kEnd), 2);
  EXPECT_EQ(stream.Read(&c, 1), 1);
  EXPECT_EQ(c, 'z');
}

TEST(BufferStreamTest, WritesGrowAndCopyFromMovesExactCounts) {
  static const char kData[] = "0123456789";
  MemoryStream source(kData, 10);
  BufferStream dest;
  source.SetPosition(2);
  dest.CopyFrom(source, 5);
  EXPECT_EQ(std::string(dest.Bytes().begin(), dest.Bytes().end()), "23456");
  EXPECT_THROW(dest.CopyFrom(source, 10), EReadError);
}

}  // namespace
}  // namespace brontel
