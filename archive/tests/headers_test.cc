// Reading and validating the archive header, mapping method IDs, reading entry headers, and the
// listing walk built on them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "archive/archive_exceptions.h"
#include "archive/testing/archive_builder.h"
#include "archive/tests/component_fixture.h"
#include "archive/vondral.h"
#include "base/memory_stream.h"

namespace brontel {
namespace {

using fixtures::ArchiveBuilder;
using fixtures::Bytes;

std::vector<std::string> List(TVondral& vondral, const Bytes& archive) {
  MemoryStream stream(archive.data(), static_cast<std::int64_t>(archive.size()));
  TStringList files;
  vondral.ScanCompressedStream(stream, files);
  return files.Lines();
}

template <typename E>
std::string MessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const E& e) {
    return e.Message();
  }
  return "(no exception)";
}

class HeadersTest : public ComponentFixture {};

TEST_F(HeadersTest, StreamsBelowTwentyOneBytesAreEmptyArchivesWhateverTheirBytes) {
  for (int size = 0; size <= 20; ++size) {
    SCOPED_TRACE(size);
    const Bytes garbage(static_cast<std::size_t>(size), 0xA5);
    EXPECT_TRUE(List(vondral_, garbage).empty());
    TStringList written = {"stale"};
    EXPECT_NO_THROW(Expand(garbage, &written));
    EXPECT_EQ(written.Count(), 0);
  }
}

TEST_F(HeadersTest, StreamsOfTwentyOneToFortyFiveBytesListNothingUnchecked) {
  const Bytes valid_head = ArchiveBuilder("LZH").Build();  // 21 bytes, no entry
  for (int size = 21; size <= 45; ++size) {
    SCOPED_TRACE(size);
    const Bytes garbage(static_cast<std::size_t>(size), 0xA5);
    EXPECT_TRUE(List(vondral_, garbage).empty());
    // Expanding checks the header all the same...
    EXPECT_THROW(Expand(garbage), EInvalidHeader);
    // ...and a valid header followed by fewer than 25 bytes holds no entry.
    Bytes short_archive = valid_head;
    short_archive.resize(static_cast<std::size_t>(size), 0x00);
    TStringList written = {"stale"};
    EXPECT_NO_THROW(Expand(short_archive, &written));
    EXPECT_EQ(written.Count(), 0);
  }
}

TEST_F(HeadersTest, AnyDamagedSignatureByteIsRejected) {
  for (int index = 0; index < 5; ++index) {
    SCOPED_TRACE(index);
    const Bytes archive = ArchiveBuilder("LZH")
                              .SetSignatureByte(index, 'x')
                              .Stored("a.txt", std::string(40, 'a'))
                              .Build();
    EXPECT_EQ(MessageOf<EInvalidHeader>([&] { List(vondral_, archive); }),
              "Can't recognize compressed file header");
    EXPECT_EQ(MessageOf<EInvalidHeader>([&] { Expand(archive); }),
              "Can't recognize compressed file header");
  }
}

TEST_F(HeadersTest, OnlyArchiveTypeOneIsAccepted) {
  for (const std::uint8_t type : {0, 2, 255}) {
    SCOPED_TRACE(int{type});
    const Bytes archive =
        ArchiveBuilder("LZH").SetArchiveType(type).Stored("a.txt", std::string(40, 'a')).Build();
    EXPECT_EQ(MessageOf<EInvalidHeaderArchiveType>([&] { List(vondral_, archive); }),
              "Archive type must be vaMulti");
    EXPECT_EQ(MessageOf<EInvalidHeaderArchiveType>([&] { Expand(archive); }),
              "Archive type must be vaMulti");
  }
}

struct IdCase {
  const char* id;
  bool on_expand;
  int recognizer;  // -1 none, 0 answers no, 1 answers yes
  int number;      // -1: unrecognized
};

TEST_F(HeadersTest, MethodIdsMapToNumbersOrAreRejected) {
  const IdCase cases[] = {
      {"NON", false, -1, 0},  {"RLE", false, -1, 1},  {"LZH", false, -1, 2}, {"NON", true, 0, 0},
      {"lzh", false, -1, -1}, {"CUS", false, -1, -1}, {"CUS", true, -1, 3},  {"NON", true, 1, 3},
      {"RLE", true, 1, 1},    {"XYZ", true, 1, 3},    {"XYZ", true, 0, -1},  {"XYZ", true, -1, -1},
      {"XYZ", false, 1, -1},  {"cus", true, -1, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.id) + (c.on_expand ? " +OnExpand" : "") + " recognizer " +
                 std::to_string(c.recognizer));
    TVondral vondral(&FileSystem());
    if (c.on_expand) vondral.OnExpand = [](Stream&, Stream&, auto, auto, auto&, auto&) {};
    std::vector<std::string> asked;
    if (c.recognizer >= 0) {
      vondral.OnRecognize = [&](const std::string& id, bool& recognized) {
        asked.push_back(id);
        recognized = c.recognizer == 1;
      };
    }
    const Bytes archive = ArchiveBuilder(c.id).Stored("a.txt", std::string(40, 'a')).Build();
    if (c.number < 0) {
      EXPECT_EQ(MessageOf<EUnrecognizedCompressionMethod>([&] { vondral.MethodNumber(c.id); }),
                "Unrecognized compression method in header");
      EXPECT_EQ(MessageOf<EUnrecognizedCompressionMethod>([&] { List(vondral, archive); }),
                "Unrecognized compression method in header");
    } else {
      EXPECT_EQ(vondral.MethodNumber(c.id), c.number);
      EXPECT_EQ(List(vondral, archive), std::vector<std::string>{"a.txt"});
    }
    // Every ID but "RLE", "LZH" and "CUS" reaches the recognizer, "NON" included, but only when
    // there is a custom decoder to hand it to.
    const bool asks = c.on_expand && c.recognizer >= 0 && std::string(c.id) != "RLE" &&
                      std::string(c.id) != "LZH" && std::string(c.id) != "CUS";
    for (const auto& id : asked) EXPECT_EQ(id, c.id);
    EXPECT_EQ(!asked.empty(), asks);
  }
}

TEST_F(HeadersTest, FillArchiveHeaderMarksLockedOnlyForAPositiveKey) {
  for (const std::int32_t key : {0, 5, -5}) {
    TVondral vondral(&FileSystem());
    vondral.Key = key;
    TArchiveHeader h;
    vondral.FillArchiveHeader(h, "RLEX", 1, 99);
    EXPECT_EQ(h.Signature, kArchiveSignature);
    EXPECT_EQ(CompressIdText(h), "RLE");
    EXPECT_EQ(h.ArchiveType, 1);
    EXPECT_EQ(h.TotalSize, 99);
    EXPECT_EQ(h.Reserved, 0);
    EXPECT_EQ(h.Locked, key > 0 ? 1 : 0);
  }
}

TEST_F(HeadersTest, ListingRecordsEveryHeaderFieldAndPosition) {
  TFileHeader raw;
  raw.FileDate = 0x2347900D;
  raw.Attributes = 0x21;
  raw.OriginalSize = 2006;
  raw.CompressedSize = 4;
  raw.Method = 2;
  raw.Checksum = 0x27DE1;
  raw.Locked = 3;
  const Bytes archive = ArchiveBuilder("LZH")
                            .Stored("first.txt", "12345")
                            .Raw(raw, "SITES.INI", {1, 2, 3, 4})
                            .Build();
  MemoryStream stream(archive.data(), static_cast<std::int64_t>(archive.size()));
  TStringList files = {"kept"};
  vondral_.ScanCompressedStream(stream, files);
  ASSERT_EQ(files.Lines(), (std::vector<std::string>{"kept", "first.txt", "SITES.INI"}));
  EXPECT_EQ(files.Objects(0), nullptr);

  const auto* first = dynamic_cast<const TVondralFileInfo*>(files.Objects(1));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->HeaderPosition, 21);
  EXPECT_EQ(first->OriginalSize, 5);
  EXPECT_EQ(first->Method, 0);
  EXPECT_FALSE(first->Locked);

  const auto* second = dynamic_cast<const TVondralFileInfo*>(files.Objects(2));
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->HeaderPosition, 21 + 25 + 9 + 5);
  EXPECT_EQ(second->FileDate, 0x2347900Du);
  EXPECT_EQ(second->Attributes, 0x21);
  EXPECT_EQ(second->OriginalSize, 2006);
  EXPECT_EQ(second->CompressedSize, 4);
  EXPECT_EQ(second->Method, 2);
  EXPECT_EQ(second->Checksum, 0x27DE1u);
  EXPECT_TRUE(second->Locked);
  EXPECT_EQ(stream.Position(), static_cast<std::int64_t>(archive.size()));
}

TEST_F(HeadersTest, ListingKeepsDuplicatesEmptyNamesAndIgnoresTotalSize) {
  const Bytes archive = ArchiveBuilder()
                            .SetTotalSize(0)
                            .Stored("a.txt", "1")
                            .Stored("", "2")
                            .Stored("A.TXT", "3")
                            .Stored("a.txt", "4")
                            .Build();
  EXPECT_EQ(List(vondral_, archive), (std::vector<std::string>{"a.txt", "", "A.TXT", "a.txt"}));
}

TEST_F(HeadersTest, ACutShortEntryEndsTheWalkSilently) {
  const Bytes whole = ArchiveBuilder().Stored("a.txt", "aaaa").Stored("second.txt", "bb").Build();
  const std::size_t second_header = 21 + 25 + 5 + 4;
  // Up to 24 stray bytes, or a whole header whose name is cut short, are no entry.
  for (std::size_t cut = second_header; cut < second_header + 25 + 10; ++cut) {
    SCOPED_TRACE(cut);
    const Bytes archive(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut));
    EXPECT_EQ(List(vondral_, archive), std::vector<std::string>{"a.txt"});
  }
  // A body cut short still lists: bodies are never read.
  const Bytes cut_body(whole.begin(), whole.end() - 1);
  EXPECT_EQ(List(vondral_, cut_body), (std::vector<std::string>{"a.txt", "second.txt"}));
}

TEST_F(HeadersTest, NegativeNameLengthEndsTheWalk) {
  TFileHeader raw;
  raw.NameLength = -1;
  const Bytes archive =
      ArchiveBuilder().Stored("a.txt", "aaaa").Raw(raw, "", Bytes(40, 0), true).Build();
  EXPECT_EQ(List(vondral_, archive), std::vector<std::string>{"a.txt"});
}

TEST(ReadFileHeaderTest, ReadsTheNameAndStopsAtTheBody) {
  TFileHeader raw;
  raw.CompressedSize = 3;
  const Bytes archive = ArchiveBuilder().Raw(raw, "x\\y", {7, 8, 9}).Build();
  MemoryStream stream(archive.data(), static_cast<std::int64_t>(archive.size()));
  stream.SetPosition(21);
  TFileHeader header;
  std::string name;
  ASSERT_TRUE(TVondral::ReadFileHeader(stream, header, name));
  EXPECT_EQ(name, "x\\y");
  EXPECT_EQ(header.CompressedSize, 3);
  EXPECT_EQ(stream.Position(), 21 + 25 + 3);
  EXPECT_FALSE(TVondral::ReadFileHeader(stream, header, name));
}

}  // namespace
}  // namespace brontel
