#include "platform/testing/temp_drive_map.h"

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace brontel::platform::testing {
namespace {

namespace fs = std::filesystem;

std::optional<std::string> Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::optional<std::string>(value) : std::nullopt;
}

TEST(TempDriveMapTest, SetsUpPrivatePrefixAndRestoresEverything) {
  const auto wineprefix = Env("WINEPREFIX");
  const auto home = Env("HOME");
  const fs::path cwd = fs::current_path();
  std::string root;
  {
    TempDriveMap map;
    root = map.Root();
    EXPECT_EQ(Env("WINEPREFIX"), root);
    EXPECT_EQ(Env("HOME"), map.Home());
    EXPECT_EQ(Env("XDG_DATA_HOME"), std::nullopt);
    EXPECT_EQ(fs::read_symlink(root + "/dosdevices/c:"), "../drive_c");
    EXPECT_EQ(map.DriveRoot('C'), root + "/drive_c");
    EXPECT_TRUE(fs::is_directory(map.DriveRoot('c')));
    EXPECT_EQ(map.HostPath('c', "Program Files\\Brontel"), root + "/drive_c/Program Files/Brontel");

    // Leaving the current folder inside the map must not stop the clean-up.
    ASSERT_EQ(::chdir(map.DriveRoot('c').c_str()), 0);
  }
  EXPECT_FALSE(fs::exists(root));
  EXPECT_EQ(Env("WINEPREFIX"), wineprefix);
  EXPECT_EQ(Env("HOME"), home);
  EXPECT_EQ(fs::current_path(), cwd);
}

TEST(TempDriveMapTest, AddsMissingAndRemovesDrives) {
  TempDriveMap map;
  const std::string d = map.AddDrive('D');
  EXPECT_EQ(d, map.Root() + "/drive_d");
  EXPECT_TRUE(fs::is_directory(map.DriveRoot('d')));

  map.AddMissingDrive('e');
  EXPECT_FALSE(map.DriveRoot('e').empty());
  EXPECT_TRUE(fs::is_symlink(map.Root() + "/dosdevices/e:"));
  EXPECT_FALSE(fs::exists(map.DriveRoot('e')));

  map.MapDrive('z', "/");
  EXPECT_EQ(map.DriveRoot('z'), "/");

  map.RemoveDrive('d');
  EXPECT_EQ(map.DriveRoot('d'), "");
  EXPECT_TRUE(fs::is_directory(d));
}

}  // namespace
}  // namespace brontel::platform::testing
