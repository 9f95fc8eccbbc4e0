// The free-space check and folder creation, with a file system whose free space and folder
// calls a test can set and watch.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "archive/archive_exceptions.h"
#include "archive/testing/archive_builder.h"
#include "archive/tests/component_fixture.h"
#include "base/exception.h"
#include "base/memory_stream.h"
#include "platform/testing/fault_file_system.h"

namespace brontel {
namespace {

using fixtures::ArchiveBuilder;
using fixtures::Bytes;

// Reports a set amount of free space on every drive and records the questions and folders.
class WatchedFileSystem : public platform::testing::FaultFileSystem {
 public:
  using FaultFileSystem::FaultFileSystem;

  std::int64_t FreeBytes(int drive) override {
    drives_asked.push_back(drive);
    return free;
  }
  std::error_code CreateDirectory(const std::string& path) override {
    folders_made.push_back(path);
    return FaultFileSystem::CreateDirectory(path);
  }

  std::int64_t free = 0;
  std::vector<int> drives_asked;
  std::vector<std::string> folders_made;
};

class SpaceAndFoldersTest : public ComponentFixture {
 protected:
  SpaceAndFoldersTest() {
    MakeFolder("C:\\Dest");
    watched_.SetTargetPath("C:\\Dest");
    watched_.MakeDirectories = true;
  }

  void ExpandWatched(const Bytes& archive) {
    MemoryStream stream(archive.data(), static_cast<std::int64_t>(archive.size()));
    watched_.ExpandFilesFromStream(stream, nullptr);
  }

  WatchedFileSystem fs_{&FileSystem()};
  TVondral watched_{&fs_};
};

TEST_F(SpaceAndFoldersTest, TooLittleSpaceFailsBeforeAnyFolderOrFileIsMade) {
  fs_.free = 10;
  const Bytes archive = ArchiveBuilder().Stored("sub\\big.txt", std::string(11, 'b')).Build();
  try {
    ExpandWatched(archive);
    FAIL() << "no exception";
  } catch (const EInsufficientDiskSpace& e) {
    EXPECT_EQ(e.Message(), "Not enough disk space to expand C:\\Dest\\sub\\big.txt");
  }
  EXPECT_TRUE(fs_.folders_made.empty());
  EXPECT_FALSE(vondral_.DirectoryExists("C:\\Dest\\sub"));
}

TEST_F(SpaceAndFoldersTest, ExactlyEnoughSpaceIsEnough) {
  fs_.free = 10;
  ExpandWatched(ArchiveBuilder().Stored("fits.txt", std::string(10, 'f')).Build());
  EXPECT_EQ(ReadFile("C:\\Dest\\fits.txt"), std::string(10, 'f'));
}

TEST_F(SpaceAndFoldersTest, TheFileBeingReplacedCountsAsFreeSpace) {
  fs_.free = 10;
  WriteFile("C:\\Dest\\old.txt", std::string(5, 'o'));
  ExpandWatched(ArchiveBuilder().Stored("old.txt", std::string(15, 'n')).Build());
  EXPECT_EQ(ReadFile("C:\\Dest\\old.txt"), std::string(15, 'n'));

  // One byte more than free space plus the old file: the old file stays as it was.
  EXPECT_THROW(ExpandWatched(ArchiveBuilder().Stored("old.txt", std::string(26, 'x')).Build()),
               EInsufficientDiskSpace);
  EXPECT_EQ(ReadFile("C:\\Dest\\old.txt"), std::string(15, 'n'));
}

TEST_F(SpaceAndFoldersTest, TheDriveIsTakenFromTheTargetPath) {
  fs_.free = 1000;
  struct Case {
    const char* target;
    int drive;
  };
  const Case cases[] = {{"C:\\Dest", 3}, {"c:\\Dest", 3}, {"", 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.target);
    fs_.drives_asked.clear();
    EXPECT_EQ(watched_.AvailableSpace(std::string(c.target) + "\\x.txt"), 1000);
    EXPECT_EQ(fs_.drives_asked, std::vector<int>{c.drive});
  }
  fs_.drives_asked.clear();
  EXPECT_EQ(watched_.AvailableSpace("z:\\x"), 1000);
  EXPECT_EQ(watched_.AvailableSpace("A:x"), 1000);
  EXPECT_EQ(watched_.AvailableSpace("\\root.txt"), 1000);
  EXPECT_EQ(fs_.drives_asked, (std::vector<int>{26, 1, 0}));
}

TEST_F(SpaceAndFoldersTest, ADriveThatCannotBeQueriedFailsEvenForAnEmptyFile) {
  vondral_.SetTargetPath("Q:\\Dest");  // no such drive in the map
  EXPECT_EQ(vondral_.AvailableSpace("Q:\\Dest\\empty.txt"), -1);
  try {
    Expand(ArchiveBuilder().SetTotalSize(1).Stored("empty.txt", "").Build());
    FAIL() << "no exception";
  } catch (const EInsufficientDiskSpace& e) {
    EXPECT_EQ(e.Message(), "Not enough disk space to expand Q:\\Dest\\empty.txt");
  }
}

TEST_F(SpaceAndFoldersTest, FoldersAreMadeFromTheTopDownAndDriveRootsNever) {
  watched_.CreateDirectoryPath("C:\\Dest\\a\\b\\c\\");
  EXPECT_EQ(fs_.folders_made,
            (std::vector<std::string>{"C:\\Dest\\a", "C:\\Dest\\a\\b", "C:\\Dest\\a\\b\\c"}));
  EXPECT_TRUE(watched_.DirectoryExists("C:\\Dest\\a\\b\\c"));

  fs_.folders_made.clear();
  for (const char* dir : {"", "C:", "C:\\", "C:\\Dest\\a\\b", "C:\\Dest\\"}) {
    watched_.CreateDirectoryPath(dir);
  }
  EXPECT_TRUE(fs_.folders_made.empty());
}

TEST_F(SpaceAndFoldersTest, DirectoryExistsOnlyForFolders) {
  WriteFile("C:\\Dest\\file.txt", "f");
  EXPECT_TRUE(vondral_.DirectoryExists("C:\\Dest"));
  EXPECT_TRUE(vondral_.DirectoryExists("c:\\DEST"));
  EXPECT_TRUE(vondral_.DirectoryExists("C:\\"));
  EXPECT_FALSE(vondral_.DirectoryExists("C:\\Dest\\file.txt"));
  EXPECT_FALSE(vondral_.DirectoryExists("C:\\Dest\\missing"));
  EXPECT_FALSE(vondral_.DirectoryExists("Q:\\"));
}

TEST_F(SpaceAndFoldersTest, AFolderThatCannotBeMadeRaisesWithTheSystemsReason) {
  WriteFile("C:\\Dest\\blocker", "x");
  try {
    vondral_.CreateDirectoryPath("C:\\Dest\\blocker\\inner\\");
    FAIL() << "no exception";
  } catch (const EInOutError& e) {
    EXPECT_FALSE(e.Message().empty());
  }
}

TEST_F(SpaceAndFoldersTest, AWriteThatFailsEndsTheCallAndLeavesThePartlyWrittenFile) {
  fs_.free = 1000;     // the space check passes...
  fs_.SetDiskFull(4);  // ...but the disk takes only four more bytes
  TFileHeader header;
  header.Attributes = 0x21;
  header.OriginalSize = 10;
  header.CompressedSize = 10;
  const Bytes archive =
      ArchiveBuilder().Raw(header, "full.txt", Bytes(10, 'f')).Stored("later.txt", "l").Build();
  try {
    ExpandWatched(archive);
    FAIL() << "no exception";
  } catch (const EWriteError& e) {
    EXPECT_EQ(e.Message(), "Stream write error");
  }
  EXPECT_TRUE(FileExists("C:\\Dest\\full.txt"));
  const auto attributes = FileSystem().GetAttributes("C:\\Dest\\full.txt");
  ASSERT_TRUE(attributes);
  EXPECT_NE(*attributes & platform::kAttrReadOnly, 0u);
  EXPECT_FALSE(FileExists("C:\\Dest\\later.txt"));
}

}  // namespace
}  // namespace brontel
