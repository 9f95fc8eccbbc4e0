#include "platform/posix/drive_map.h"

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/testing/temp_drive_map.h"

namespace brontel::platform::posix {
namespace {

namespace fs = std::filesystem;
using testing::TempDriveMap;

std::string Letters(const DriveMap& map) {
  std::string letters;
  for (const Drive& drive : map.Drives()) letters += drive.letter;
  return letters;
}

TEST(DriveMapTest, ReadsTheDosDevicesOfTheWinePrefix) {
  TempDriveMap temp;
  temp.AddDrive('d');
  temp.AddMissingDrive('E');
  // Wine keeps other devices in the same folder; they are no drives.
  fs::create_symlink("/dev/null", temp.Root() + "/dosdevices/com1");
  fs::create_symlink("/dev/null", temp.Root() + "/dosdevices/c::");

  const DriveMap map = DriveMap::FromEnvironment();
  EXPECT_EQ(Letters(map), "CDE");
  ASSERT_NE(map.Find('c'), nullptr);
  EXPECT_EQ(map.Find('c')->host_root, temp.DriveRoot('c'));
  EXPECT_TRUE(map.Find('C')->reachable);
  EXPECT_FALSE(map.Find('e')->reachable);
  EXPECT_EQ(map.Find('e')->host_root, temp.DriveRoot('e'));
  EXPECT_EQ(map.Find('q'), nullptr);
}

TEST(DriveMapTest, WithoutPrefixUsesWineFolderInHomeElseBuiltInDrives) {
  TempDriveMap temp;  // restores WINEPREFIX and HOME afterwards
  ::unsetenv("WINEPREFIX");

  DriveMap map = DriveMap::FromEnvironment();
  EXPECT_EQ(Letters(map), "CZ");
  EXPECT_EQ(map.Find('c')->host_root, temp.Home());
  EXPECT_EQ(map.Find('z')->host_root, "/");

  fs::create_directories(temp.Home() + "/.wine/dosdevices");
  fs::create_symlink(temp.DriveRoot('c'), temp.Home() + "/.wine/dosdevices/d:");
  map = DriveMap::FromEnvironment();
  EXPECT_EQ(Letters(map), "D");
  EXPECT_EQ(map.Find('d')->host_root, temp.DriveRoot('c'));
}

TEST(DriveMapTest, PrefixWithoutDosDevicesHasNoDrives) {
  TempDriveMap temp;
  ::setenv("WINEPREFIX", (temp.Root() + "/nothing").c_str(), 1);
  EXPECT_TRUE(DriveMap::FromEnvironment().Drives().empty());
}

TEST(DriveMapTest, LocatesHostPathsOnTheDriveWithTheLongestRoot) {
  TempDriveMap temp;
  const std::string c = temp.DriveRoot('c');
  fs::create_directories(c + "/Work/Sub");
  fs::create_directory_symlink(c + "/Work", temp.Root() + "/link");
  const DriveMap map({{'Z', "/", true}, {'C', c, true}, {'D', c + "/Work", true}});

  struct Case {
    std::string host;
    char letter;
    std::vector<std::string> components;
  };
  const Case cases[] = {
      {c + "/Work/Sub/new.txt", 'D', {"Sub", "new.txt"}},
      {c + "/Work", 'D', {}},
      {c + "/Workshop", 'C', {"Workshop"}},        // a root is a whole component
      {temp.Root() + "/link/x", 'D', {"x"}},       // symbolic links are followed
      {c + "/Work/missing/../Sub", 'D', {"Sub"}},  // ".." after a missing part is lexical
      {"/usr", 'Z', {"usr"}},
  };
  for (const Case& test : cases) {
    const auto where = map.Locate(test.host);
    ASSERT_TRUE(where.has_value()) << test.host;
    EXPECT_EQ(where->letter, test.letter) << test.host;
    EXPECT_EQ(where->components, test.components) << test.host;
  }

  const DriveMap no_root({{'C', c, true}, {'E', temp.Root() + "/missing", false}});
  EXPECT_EQ(no_root.Locate("/usr"), std::nullopt);
  EXPECT_EQ(no_root.Locate(temp.Root() + "/missing/x"), std::nullopt);
}

TEST(DriveMapTest, CanonicalHostPathResolvesRelativeAndMissingParts) {
  TempDriveMap temp;
  const std::string c = temp.DriveRoot('c');
  ASSERT_EQ(::chdir(c.c_str()), 0);
  EXPECT_EQ(CanonicalHostPath("a/./b/../x"), c + "/a/x");
  EXPECT_EQ(CanonicalHostPath("."), c);
  EXPECT_EQ(CanonicalHostPath("/"), "/");
  EXPECT_EQ(CanonicalHostPath(c + "//"), c);
}

}  // namespace
}  // namespace brontel::platform::posix
