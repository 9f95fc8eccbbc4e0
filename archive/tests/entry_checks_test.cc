// Entry names that would leave the target folder, and entry sizes that would derail the walk,
// refused in listing and expanding before anything is made.
#include "archive/entry_checks.h"

#include <gtest/gtest.h>

#include "archive/archive_exceptions.h"
#include "archive/testing/archive_builder.h"
#include "archive/tests/component_fixture.h"
#include "base/memory_stream.h"

namespace brontel {
namespace {

using fixtures::ArchiveBuilder;
using fixtures::Bytes;

TEST(EntryNameTest, NamesThatClimbAboveTheirStartOrNameADriveAreRefused) {
  const std::pair<const char*, bool> cases[] = {
      {"readme.txt", true},
      {"", true},
      {"sub\\deep\\file.txt", true},
      {"sub\\..\\file.txt", true},
      {"a\\b\\..\\..\\c", true},
      {".\\file.txt", true},
      {"\\rooted.txt", true},
      {"\\a\\..\\b.txt", true},
      {"..", false},
      {"..\\evil.txt", false},
      {"../evil.txt", false},
      {"sub\\..\\..\\evil.txt", false},
      {"sub/../../evil.txt", false},
      {"a\\b\\..\\..\\..\\c", false},
      {"\\..\\evil.txt", false},
      {"...\\evil.txt", false},
      {".. \\evil.txt", false},
      {". .\\evil.txt", false},
      {"sub\\...\\x", true},
      {"..a\\x", true},
      {"C:\\Windows\\evil.dll", false},
      {"c:evil.txt", false},
      {"file..txt", true},
  };
  for (const auto& [name, inside] : cases) {
    EXPECT_EQ(EntryNameStaysInside(name), inside) << name;
  }
  try {
    CheckEntryName("..\\evil.txt");
    FAIL() << "no exception";
  } catch (const EUnsafeEntryName& e) {
    EXPECT_EQ(e.Message(), "Entry name leaves the target folder: \"..\\evil.txt\"");
  }
}

class FaultsTest : public ComponentFixture {
 protected:
  FaultsTest() {
    MakeFolder("C:\\Top\\Dest");
    vondral_.SetTargetPath("C:\\Top\\Dest");
    vondral_.MakeDirectories = true;
  }
};

TEST_F(FaultsTest, AClimbingNameIsRefusedBeforeAnyFileIsMade) {
  int checks = 0;
  vondral_.OnCheckFile = [&](std::string&, TVProcessMode) { ++checks; };
  for (const char* name : {"..\\escape.txt", "sub\\..\\..\\escape.txt", "../escape.txt"}) {
    SCOPED_TRACE(name);
    const Bytes archive =
        ArchiveBuilder().Stored("fine.txt", "f").Stored(name, "evil").Stored("z", "z").Build();
    TStringList list = {"fine.txt", name, "z"};
    EXPECT_THROW(Expand(archive, &list), EUnsafeEntryName);
    EXPECT_EQ(list.Count(), 3);  // unchanged
    EXPECT_TRUE(FileExists("C:\\Top\\Dest\\fine.txt"));
    EXPECT_FALSE(FileExists("C:\\Top\\escape.txt"));
    EXPECT_FALSE(FileExists("C:\\Top\\Dest\\z"));
    EXPECT_FALSE(vondral_.DirectoryExists("C:\\Top\\Dest\\sub"));
  }
  EXPECT_EQ(checks, 3);  // the hook saw only the good entries
}

TEST_F(FaultsTest, AClimbingNameThatIsNotSelectedDoesNoHarm) {
  const Bytes archive = ArchiveBuilder().Stored("..\\x", "x").Stored("ok.txt", "ok").Build();
  TStringList list = {"ok.txt"};
  Expand(archive, &list);
  EXPECT_EQ(list.Lines(), std::vector<std::string>{"C:\\Top\\Dest\\ok.txt"});
  EXPECT_FALSE(FileExists("C:\\Top\\x"));
}

TEST_F(FaultsTest, ANegativeCompressedSizeIsACorruptArchive) {
  TFileHeader bad;
  bad.OriginalSize = 4;
  bad.CompressedSize = -30;  // would send the walk back into the first entry, for ever
  const Bytes archive = ArchiveBuilder()
                            .Stored("first.txt", "1111")
                            .Raw(bad, "loop.txt", {})
                            .Stored("last.txt", "2")
                            .Build();
  const auto expect_corrupt = [](const std::function<void()>& action) {
    try {
      action();
      FAIL() << "no exception";
    } catch (const ECorruptArchive& e) {
      EXPECT_EQ(e.Message(),
                "Corrupt archive: entry \"loop.txt\" has a negative compressed size (-30)");
    }
  };
  MemoryStream stream(archive.data(), static_cast<std::int64_t>(archive.size()));
  TStringList files;
  expect_corrupt([&] { vondral_.ScanCompressedStream(stream, files); });
  EXPECT_EQ(files.Lines(), std::vector<std::string>{"first.txt"});

  TStringList list = {"loop.txt", "last.txt"};
  expect_corrupt([&] { vondral_.ExpandFilesFromStream(stream, &list); });
  EXPECT_FALSE(FileExists("C:\\Top\\Dest\\loop.txt"));
  EXPECT_FALSE(FileExists("C:\\Top\\Dest\\last.txt"));
  EXPECT_EQ(list.Count(), 2);
}

TEST_F(FaultsTest, EverySizeThatWouldHoldTheWalkStillIsRefused) {
  for (const std::int32_t size : {-1, -25, -26, -2147483647 - 1}) {
    SCOPED_TRACE(size);
    TFileHeader bad;
    bad.CompressedSize = size;
    const Bytes archive = ArchiveBuilder().Raw(bad, "", {}).Build();
    MemoryStream stream(archive.data(), static_cast<std::int64_t>(archive.size()));
    TStringList files;
    EXPECT_THROW(vondral_.ScanCompressedStream(stream, files), ECorruptArchive);
  }
}

TEST(EntryExtentTest, HeadersBeyondThe32BitPositionsAreRefused) {
  TFileHeader header;
  EXPECT_NO_THROW(CheckEntryExtent(header, "x", 2147483647));
  try {
    CheckEntryExtent(header, "x", 2147483648LL);
    FAIL() << "no exception";
  } catch (const ECorruptArchive& e) {
    EXPECT_EQ(e.Message(), "Corrupt archive: entry \"x\" lies beyond offset 2147483647");
  }
}

}  // namespace
}  // namespace brontel
