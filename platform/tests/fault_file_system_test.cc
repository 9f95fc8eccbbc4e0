#include "platform/testing/fault_file_system.h"

#include <cerrno>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/exception.h"
#include "base/file_stream.h"
#include "platform/testing/temp_drive_map.h"
#include "platform/tests/host_files.h"

namespace brontel::platform::testing {
namespace {

namespace fs = std::filesystem;

class FaultFileSystemTest : public ::testing::Test {
 protected:
  std::string C(const std::string& relative) { return map_.HostPath('c', relative); }

  // A stream over a file created through the faulty file system.
  FileStream Create(const std::string& path) {
    std::error_code error;
    auto handle = faulty_.CreateFile(path, error);
    EXPECT_TRUE(handle) << error.message();
    return FileStream(std::move(handle));
  }

  // Runs `write` and returns the message of the EWriteError it raises ("" when none).
  template <typename Write>
  static std::string WriteError(Write write) {
    try {
      write();
    } catch (const EWriteError& e) {
      return e.Message();
    }
    return "";
  }

  TempDriveMap map_;
  FaultFileSystem faulty_{FileSystem::Default()};
};

TEST_F(FaultFileSystemTest, PassesEverythingThroughWithoutFaults) {
  {
    FileStream stream = Create("C:\\File.txt");
    stream.WriteBuffer("abc", 3);
  }
  EXPECT_EQ(ReadHostFile(C("File.txt")), "abc");
  EXPECT_EQ(faulty_.WriteCount(), 1);
  EXPECT_EQ(faulty_.GetAttributes("c:\\file.TXT"), 0u);
  EXPECT_GT(faulty_.FreeBytes(3), 0);
  EXPECT_EQ(faulty_.FreeBytes(17), -1);
  EXPECT_EQ(faulty_.CreateDirectory("C:\\Dir"), std::error_code());
  EXPECT_EQ(faulty_.CopyFile("C:\\file.txt", "C:\\Dir\\copy.txt"), std::error_code());
  EXPECT_EQ(faulty_.MoveFile("C:\\Dir\\copy.txt", "C:\\moved.txt"), std::error_code());
  EXPECT_EQ(ReadHostFile(C("moved.txt")), "abc");
  EXPECT_EQ(faulty_.DeleteFile("C:\\moved.txt"), std::error_code());
  EXPECT_FALSE(fs::exists(C("moved.txt")));
  EXPECT_EQ(faulty_.Drives(), std::vector<char>{'c'});
}

TEST_F(FaultFileSystemTest, TheNthWriteFailsShort) {
  FileStream stream = Create("C:\\short.bin");
  faulty_.FailWrite(2);
  stream.WriteBuffer("first", 5);
  EXPECT_EQ(WriteError([&] { stream.WriteBuffer("second", 6); }), "Stream write error");
  EXPECT_EQ(ReadHostFile(C("short.bin")), "firstsec");  // half of the failing write landed
  stream.WriteBuffer("third", 5);                       // later writes pass again
  EXPECT_EQ(faulty_.WriteCount(), 3);
}

TEST_F(FaultFileSystemTest, TheNthWriteFailsWithADeviceError) {
  FileStream stream = Create("C:\\broken.bin");
  faulty_.FailWrite(1, WriteFault::kDeviceError);
  EXPECT_EQ(stream.Handle().Write("x", 1), -1);
  EXPECT_EQ(errno, EIO);
  faulty_.FailWrite(1, WriteFault::kDeviceError);
  EXPECT_EQ(WriteError([&] { stream.WriteBuffer("data", 4); }), "Stream write error");
  EXPECT_EQ(ReadHostFile(C("broken.bin")), "");
}

TEST_F(FaultFileSystemTest, AFullDiskShowsInFreeSpaceAndWrites) {
  map_.AddMissingDrive('e');
  faulty_.SetDiskFull(10);
  EXPECT_EQ(faulty_.FreeBytes(3), 10);
  EXPECT_EQ(faulty_.FreeBytes(5), -1);  // a drive that cannot be queried stays so

  FileStream stream = Create("C:\\full.bin");
  stream.WriteBuffer("12345678", 8);
  EXPECT_EQ(faulty_.FreeBytes(3), 2);
  EXPECT_EQ(stream.Handle().Write("abcd", 4), 2);
  EXPECT_EQ(errno, ENOSPC);
  EXPECT_EQ(WriteError([&] { stream.WriteBuffer("more", 4); }), "Stream write error");
  EXPECT_EQ(ReadHostFile(C("full.bin")), "12345678ab");
}

TEST_F(FaultFileSystemTest, RefusesToCreateFilesAndFolders) {
  faulty_.RefuseCreateFile();
  std::error_code error;
  EXPECT_EQ(faulty_.CreateFile("C:\\refused.txt", error), nullptr);
  EXPECT_EQ(error, std::errc::permission_denied);
  EXPECT_FALSE(fs::exists(C("refused.txt")));

  faulty_.RefuseCreateDirectory();
  EXPECT_EQ(faulty_.CreateDirectory("C:\\Refused"), std::errc::permission_denied);
  EXPECT_FALSE(fs::exists(C("Refused")));

  faulty_.RefuseCreateFile(false);
  EXPECT_NE(faulty_.CreateFile("C:\\allowed.txt", error), nullptr);
}

TEST_F(FaultFileSystemTest, RefusesToMoveCopyAndDelete) {
  WriteHostFile(C("a.txt"), "a");
  faulty_.RefuseMoveCopyDelete();
  EXPECT_EQ(faulty_.MoveFile("C:\\a.txt", "C:\\b.txt"), std::errc::permission_denied);
  EXPECT_EQ(faulty_.CopyFile("C:\\a.txt", "C:\\c.txt"), std::errc::permission_denied);
  EXPECT_EQ(faulty_.DeleteFile("C:\\a.txt"), std::errc::permission_denied);
  EXPECT_EQ(ReadHostFile(C("a.txt")), "a");
  EXPECT_FALSE(fs::exists(C("b.txt")));
  EXPECT_FALSE(fs::exists(C("c.txt")));
}

}  // namespace
}  // namespace brontel::platform::testing
