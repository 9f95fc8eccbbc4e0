#include "platform/posix/posix_file_system.h"

#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/exception.h"
#include "base/file_stream.h"
#include "platform/dos_time.h"
#include "platform/testing/temp_drive_map.h"
#include "platform/tests/host_files.h"

namespace brontel::platform {
namespace {

namespace fs = std::filesystem;
using testing::ReadHostFile;
using testing::TempDriveMap;
using testing::WriteHostFile;

class PosixFileSystemTest : public ::testing::Test {
 protected:
  std::string C(const std::string& relative) { return map_.HostPath('c', relative); }

  TempDriveMap map_;
  FileSystem& fs_ = *FileSystem::Default();
};

TEST_F(PosixFileSystemTest, MixedCasePathsFindExistingFiles) {
  WriteHostFile(C("Program Files/Brontel/ReadMe.TXT"), "hello");
  const std::string path = "c:\\PROGRAM FILES\\brontel\\readme.txt";

  EXPECT_EQ(fs_.HostPath(path), C("Program Files/Brontel/ReadMe.TXT"));
  EXPECT_EQ(fs_.GetAttributes(path), 0u);
  std::error_code error;
  auto handle = fs_.OpenFileForReading(path, error);
  ASSERT_TRUE(handle) << error.message();
  char text[8] = {};
  EXPECT_EQ(handle->Read(text, sizeof text), 5);
  EXPECT_STREQ(text, "hello");

  // New components are made as spelled, inside the folders found without regard to case.
  handle = fs_.CreateFile("C:\\program files\\BRONTEL\\New Dir\\..\\New.Txt", error);
  ASSERT_TRUE(handle) << error.message();
  EXPECT_TRUE(fs::exists(C("Program Files/Brontel/New.Txt")));
  EXPECT_EQ(fs_.CreateDirectory("c:\\PROGRAM FILES\\Sub"), std::error_code());
  EXPECT_TRUE(fs::is_directory(C("Program Files/Sub")));
}

TEST_F(PosixFileSystemTest, SeveralCaseMatchesGiveAStableChoice) {
  WriteHostFile(C("a.txt"), "small");
  WriteHostFile(C("A.TXT"), "capital");
  WriteHostFile(C("b.TXT"), "b");
  EXPECT_EQ(fs_.HostPath("C:\\a.txt"), C("a.txt"));  // the exact spelling first
  EXPECT_EQ(fs_.HostPath("C:\\A.txt"), C("A.TXT"));  // else the byte-wise smallest match
  EXPECT_EQ(fs_.HostPath("C:\\B.txt"), C("b.TXT"));
  EXPECT_EQ(fs_.HostPath("C:\\Missing\\A.TXT"), C("Missing/A.TXT"));
}

TEST_F(PosixFileSystemTest, DotDotNeverLeavesTheDrive) {
  fs::create_directories(C("work/deep"));
  ASSERT_FALSE(fs_.SetCurrentDirectory("C:\\work\\deep"));
  EXPECT_EQ(fs_.FullPath("..\\..\\..\\.."), "C:\\");
  EXPECT_EQ(fs_.FullPath("\\..\\x"), "C:\\x");
  EXPECT_EQ(fs_.FullPath("..\\file"), "C:\\work\\file");
  EXPECT_EQ(fs_.HostPath("..\\..\\..\\..\\etc\\passwd"), C("etc/passwd"));
  EXPECT_EQ(fs_.HostPath("C:\\..\\.."), map_.DriveRoot('c'));
}

TEST_F(PosixFileSystemTest, CurrentFolderReadsBackThroughTheReverseMap) {
  fs::create_directories(C("Work/Sub"));
  ASSERT_FALSE(fs_.SetCurrentDirectory("c:\\WORK\\sub"));
  EXPECT_EQ(fs::current_path(), C("Work/Sub"));
  EXPECT_EQ(fs_.CurrentDirectory(), "C:\\Work\\Sub");  // host spelling

  // The drive with the longest root wins.
  map_.MapDrive('d', C("Work"));
  map_.MapDrive('z', "/");
  EXPECT_EQ(fs_.CurrentDirectory(), "D:\\Sub");
  EXPECT_EQ(fs_.FromHostPath(C("Work/Sub/not yet")), "D:\\Sub\\not yet");
  EXPECT_EQ(fs_.FromHostPath(C("Workshop")), "C:\\Workshop");
  EXPECT_EQ(fs_.FromHostPath("/usr/lib"), "Z:\\usr\\lib");

  // Outside every drive there is no current folder, so relative paths cannot be resolved.
  map_.RemoveDrive('z');
  ASSERT_EQ(::chdir(map_.Root().c_str()), 0);
  EXPECT_EQ(fs_.CurrentDirectory(), "");
  EXPECT_EQ(fs_.FullPath("x"), "");
  EXPECT_EQ(fs_.HostPath("x"), "");
  EXPECT_EQ(fs_.FullPath("C:x"), "C:\\x");

  EXPECT_EQ(fs_.SetCurrentDirectory("Q:\\"), std::errc::no_such_file_or_directory);
  EXPECT_EQ(fs_.SetCurrentDirectory("C:\\missing"), std::errc::no_such_file_or_directory);
}

TEST_F(PosixFileSystemTest, DrivesAndSubdirectories) {
  map_.AddDrive('D');
  map_.AddMissingDrive('e');
  EXPECT_EQ(fs_.Drives(), (std::vector<char>{'c', 'd', 'e'}));
  EXPECT_TRUE(fs_.GetAttributes("d:\\").has_value());
  EXPECT_EQ(fs_.GetAttributes("E:\\"), std::nullopt);  // listed, but cannot be reached

  fs::create_directories(C("top/beta"));
  fs::create_directories(C("top/Alpha"));
  fs::create_directories(C("top/alpha2"));
  WriteHostFile(C("top/a file"), "");
  fs::create_directory_symlink(C("top/beta"), C("top/Gamma"));
  EXPECT_EQ(fs_.Subdirectories("C:\\TOP"),
            (std::vector<std::string>{"Alpha", "alpha2", "beta", "Gamma"}));
  EXPECT_TRUE(fs_.Subdirectories("C:\\missing").empty());
  EXPECT_TRUE(fs_.Subdirectories("E:\\").empty());
}

TEST_F(PosixFileSystemTest, FreeSpaceOfMappedDrivesOnly) {
  const std::int64_t c = fs_.FreeBytes(3);
  EXPECT_GT(c, 0);
  const auto host = static_cast<std::int64_t>(fs::space(map_.DriveRoot('c')).available);
  // Other processes write too; both readings must agree to within a little.
  EXPECT_NEAR(static_cast<double>(c), static_cast<double>(host), 64.0 * 1024 * 1024);

  map_.AddMissingDrive('e');
  EXPECT_EQ(fs_.FreeBytes(5), -1);   // mapped, root missing
  EXPECT_EQ(fs_.FreeBytes(17), -1);  // Q: not mapped
  EXPECT_EQ(fs_.FreeBytes(27), -1);
  EXPECT_EQ(fs_.FreeBytes(-1), -1);

  ASSERT_EQ(::chdir(map_.Root().c_str()), 0);
  EXPECT_EQ(fs_.FreeBytes(0), -1);  // no current drive
  ASSERT_FALSE(fs_.SetCurrentDirectory("C:\\"));
  EXPECT_GT(fs_.FreeBytes(0), 0);
}

// Whether the temporary folder keeps user extended attributes; without them only the
// read-only and directory bits survive.
bool HostKeepsExtendedAttributes(const std::string& folder) {
  const std::string probe = folder + "/probe";
  WriteHostFile(probe, "");
  const bool kept = ::setxattr(probe.c_str(), "user.probe", "1", 1, 0) == 0;
  fs::remove(probe);
  return kept;
}

TEST_F(PosixFileSystemTest, AttributesRoundTrip) {
  const bool xattrs = HostKeepsExtendedAttributes(map_.DriveRoot('c'));
  const std::uint32_t stored = xattrs ? kAttrHidden | kAttrSystem | kAttrArchive : 0;
  WriteHostFile(C("file.txt"), "x");
  fs::create_directory(C("Folder"));

  EXPECT_EQ(fs_.GetAttributes("C:\\file.txt"), 0u);  // nothing stored, nothing reported
  EXPECT_EQ(fs_.GetAttributes("C:\\folder"), kAttrDirectory);
  EXPECT_EQ(fs_.GetAttributes("C:\\nothing"), std::nullopt);

  for (const std::uint32_t attributes : {kAttrArchive, kAttrReadOnly | kAttrHidden | kAttrArchive,
                                         kAttrReadOnly | kAttrSystem, kAttrHidden, 0u}) {
    ASSERT_FALSE(fs_.SetAttributes("c:\\FILE.TXT", attributes | kAttrDirectory));
    EXPECT_EQ(fs_.GetAttributes("C:\\file.txt"), attributes & (stored | kAttrReadOnly))
        << std::hex << attributes;
    const bool owner_writes =
        (fs::status(C("file.txt")).permissions() & fs::perms::owner_write) != fs::perms::none;
    EXPECT_EQ(owner_writes, (attributes & kAttrReadOnly) == 0) << std::hex << attributes;
  }
  if (xattrs) {
    EXPECT_EQ(fs_.SetAttributes("C:\\Folder", kAttrHidden | kAttrReadOnly), std::error_code());
    EXPECT_EQ(fs_.GetAttributes("C:\\Folder"), kAttrHidden | kAttrDirectory);
  }
  EXPECT_EQ(fs_.SetAttributes("C:\\nothing", kAttrArchive), std::errc::no_such_file_or_directory);
}

TEST_F(PosixFileSystemTest, StoredAttributesAreHexText) {
  if (!HostKeepsExtendedAttributes(map_.DriveRoot('c'))) GTEST_SKIP() << "no user xattrs here";
  const std::string host = C("file.txt");
  WriteHostFile(host, "");
  ASSERT_FALSE(fs_.SetAttributes("C:\\file.txt", kAttrHidden | kAttrArchive));
  char text[16] = {};
  ASSERT_EQ(::getxattr(host.c_str(), "user.DOSATTRIB", text, sizeof text - 1), 4);
  EXPECT_STREQ(text, "0x22");

  // Written by another program: other bits are dropped, other forms mean nothing is set.
  ASSERT_EQ(::setxattr(host.c_str(), "user.DOSATTRIB", "0X84", 4, 0), 0);
  EXPECT_EQ(fs_.GetAttributes("C:\\file.txt"), kAttrSystem);
  ASSERT_EQ(::setxattr(host.c_str(), "user.DOSATTRIB", "\x03\x00\x22", 3, 0), 0);
  EXPECT_EQ(fs_.GetAttributes("C:\\file.txt"), 0u);

  ASSERT_FALSE(fs_.SetAttributes("C:\\file.txt", kAttrReadOnly));
  EXPECT_LT(::getxattr(host.c_str(), "user.DOSATTRIB", text, sizeof text), 0);
}

TEST_F(PosixFileSystemTest, ReadOnlyFilesResistWritingAndDeleting) {
  WriteHostFile(C("locked.txt"), "keep");
  ASSERT_FALSE(fs_.SetAttributes("C:\\locked.txt", kAttrReadOnly));
  std::error_code error;
  EXPECT_FALSE(fs_.CreateFile("C:\\locked.txt", error));
  EXPECT_EQ(error, std::errc::permission_denied);
  EXPECT_FALSE(fs_.OpenFile("C:\\locked.txt", error));
  EXPECT_EQ(error, std::errc::permission_denied);
  EXPECT_EQ(fs_.DeleteFile("C:\\locked.txt"), std::errc::permission_denied);
  EXPECT_TRUE(fs_.OpenFileForReading("C:\\locked.txt", error));
  EXPECT_EQ(ReadHostFile(C("locked.txt")), "keep");
}

TEST_F(PosixFileSystemTest, HandleWritesReadsAndCarriesTheDosDate) {
  std::error_code error;
  auto handle = fs_.CreateFile("C:\\data.bin", error);
  ASSERT_TRUE(handle) << error.message();
  FileStream stream(std::move(handle));
  stream.WriteBuffer("0123456789", 10);
  EXPECT_EQ(stream.Size(), 10);
  EXPECT_EQ(stream.Seek(-4, SeekOrigin::kEnd), 6);
  char tail[4];
  stream.ReadBuffer(tail, 4);
  EXPECT_EQ(std::string(tail, 4), "6789");
  EXPECT_EQ(stream.Read(tail, 4), 0);

  constexpr std::uint32_t kDate = 0x2347900D;
  EXPECT_TRUE(stream.Handle().SetDosDateTime(kDate));
  EXPECT_FALSE(stream.Handle().SetDosDateTime(0x00000000));  // month 0 is no date

  struct stat info {};
  ASSERT_EQ(::stat(C("data.bin").c_str(), &info), 0);
  EXPECT_EQ(info.st_mtime, DosDateTimeToTime(kDate));
  EXPECT_EQ(TimeToDosDateTime(info.st_mtime), kDate);
}

TEST_F(PosixFileSystemTest, CreatingEmptiesAndOpeningNeedsAnExistingFile) {
  WriteHostFile(C("old.txt"), "old contents");
  std::error_code error;
  EXPECT_TRUE(fs_.CreateFile("C:\\OLD.TXT", error));
  EXPECT_EQ(ReadHostFile(C("old.txt")), "");
  EXPECT_FALSE(fs_.OpenFile("C:\\new.txt", error));
  EXPECT_EQ(error, std::errc::no_such_file_or_directory);
  EXPECT_FALSE(fs_.OpenFileForReading("C:\\new.txt", error));
  EXPECT_EQ(error, std::errc::no_such_file_or_directory);
  EXPECT_FALSE(fs_.CreateFile("C:\\no folder\\new.txt", error));
  EXPECT_EQ(error, std::errc::no_such_file_or_directory);
  EXPECT_FALSE(fs_.CreateFile("Q:\\new.txt", error));
  EXPECT_EQ(error, std::errc::no_such_file_or_directory);
  fs::create_directory(C("dir"));
  EXPECT_FALSE(fs_.OpenFileForReading("C:\\dir", error));
  EXPECT_EQ(error, std::errc::is_a_directory);
}

TEST_F(PosixFileSystemTest, CreatedFilesAreNotShared) {
  WriteHostFile(C("shared.txt"), "contents");
  std::error_code error;
  {
    auto reader = fs_.OpenFileForReading("C:\\shared.txt", error);
    ASSERT_TRUE(reader);
    EXPECT_TRUE(fs_.OpenFile("C:\\shared.txt", error));  // readers and writers share
    EXPECT_FALSE(fs_.CreateFile("C:\\shared.txt", error));
    EXPECT_EQ(error, std::errc::device_or_resource_busy);
    EXPECT_EQ(ReadHostFile(C("shared.txt")), "contents");  // not emptied by the failed attempt
  }
  auto writer = fs_.CreateFile("C:\\shared.txt", error);
  ASSERT_TRUE(writer);
  EXPECT_FALSE(fs_.OpenFileForReading("C:\\shared.txt", error));
  EXPECT_EQ(error, std::errc::device_or_resource_busy);
  writer.reset();
  EXPECT_TRUE(fs_.OpenFileForReading("C:\\shared.txt", error));
}

TEST_F(PosixFileSystemTest, CreateDirectoryMakesOneLevel) {
  EXPECT_EQ(fs_.CreateDirectory("C:\\One"), std::error_code());
  EXPECT_EQ(fs_.CreateDirectory("C:\\ONE"), std::errc::file_exists);
  EXPECT_EQ(fs_.CreateDirectory("C:\\Two\\Three"), std::errc::no_such_file_or_directory);
  EXPECT_FALSE(fs::exists(C("Two")));
  EXPECT_EQ(fs_.CreateDirectory("C:\\one\\Two"), std::error_code());
  EXPECT_TRUE(fs::is_directory(C("One/Two")));
}

TEST_F(PosixFileSystemTest, MoveNeverReplaces) {
  WriteHostFile(C("from.txt"), "from");
  WriteHostFile(C("To.txt"), "to");
  EXPECT_EQ(fs_.MoveFile("C:\\from.txt", "C:\\To.txt"), std::errc::file_exists);
  EXPECT_EQ(fs_.MoveFile("C:\\from.txt", "C:\\TO.TXT"), std::errc::file_exists);
  EXPECT_EQ(ReadHostFile(C("from.txt")), "from");
  EXPECT_EQ(ReadHostFile(C("To.txt")), "to");

  fs::create_directory(C("Backup"));
  EXPECT_EQ(fs_.MoveFile("C:\\FROM.txt", "C:\\backup\\Moved.TXT"), std::error_code());
  EXPECT_FALSE(fs::exists(C("from.txt")));
  EXPECT_EQ(ReadHostFile(C("Backup/Moved.TXT")), "from");

  // A change of letter case only is a rename of the file onto itself.
  EXPECT_EQ(fs_.MoveFile("C:\\To.txt", "C:\\TO.TXT"), std::error_code());
  EXPECT_EQ(ReadHostFile(C("TO.TXT")), "to");
  EXPECT_FALSE(fs::exists(C("To.txt")));

  EXPECT_EQ(fs_.MoveFile("C:\\missing", "C:\\x"), std::errc::no_such_file_or_directory);
}

TEST_F(PosixFileSystemTest, CopyReplacesAndKeepsTimeAndAttributes) {
  WriteHostFile(C("source.txt"), "new contents");
  WriteHostFile(C("Target.txt"), "old, longer contents");
  constexpr std::uint32_t kDate = 0x2347900D;
  std::error_code error;
  ASSERT_TRUE(fs_.OpenFile("C:\\source.txt", error)->SetDosDateTime(kDate));
  ASSERT_FALSE(fs_.SetAttributes("C:\\source.txt", kAttrReadOnly | kAttrArchive));

  EXPECT_EQ(fs_.CopyFile("C:\\Source.TXT", "C:\\target.TXT"), std::error_code());
  EXPECT_EQ(ReadHostFile(C("Target.txt")), "new contents");
  EXPECT_FALSE(fs::exists(C("target.TXT")));
  EXPECT_EQ(fs_.GetAttributes("C:\\target.txt"), fs_.GetAttributes("C:\\source.txt"));
  struct stat info {};
  ASSERT_EQ(::stat(C("Target.txt").c_str(), &info), 0);
  EXPECT_EQ(info.st_mtime, DosDateTimeToTime(kDate));

  // The copy is read-only now, so it cannot be replaced again.
  EXPECT_EQ(fs_.CopyFile("C:\\source.txt", "C:\\target.txt"), std::errc::permission_denied);
  // Nor may a file be copied onto itself, which would empty it.
  ASSERT_FALSE(fs_.SetAttributes("C:\\source.txt", 0));
  EXPECT_EQ(fs_.CopyFile("C:\\source.txt", "C:\\SOURCE.txt"), std::errc::device_or_resource_busy);
  EXPECT_EQ(ReadHostFile(C("source.txt")), "new contents");

  EXPECT_EQ(fs_.CopyFile("C:\\missing", "C:\\x"), std::errc::no_such_file_or_directory);
  EXPECT_FALSE(fs::exists(C("x")));
}

TEST_F(PosixFileSystemTest, DeleteRemovesFilesOnly) {
  WriteHostFile(C("gone.txt"), "");
  fs::create_directory(C("dir"));
  EXPECT_EQ(fs_.DeleteFile("C:\\GONE.txt"), std::error_code());
  EXPECT_FALSE(fs::exists(C("gone.txt")));
  EXPECT_EQ(fs_.DeleteFile("C:\\gone.txt"), std::errc::no_such_file_or_directory);
  EXPECT_EQ(fs_.DeleteFile("C:\\dir"), std::errc::is_a_directory);
  EXPECT_TRUE(fs::is_directory(C("dir")));
}

}  // namespace
}  // namespace brontel::platform
