#include "platform/posix/current_user_hive.h"

#include <gtest/gtest.h>

#include "base/exception.h"
#include "platform/registry.h"
#include "platform/tests/host_path_file_system.h"
#include "platform/tests/scoped_env.h"

namespace brontel::platform {
namespace {

using testing::HostPathFileSystem;
using testing::ScopedEnv;
using testing::TempDir;

constexpr char kShellFolders[] =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// What the installer does: the Programs folder from the default hive.
std::string ProgramsFolder() {
  Registry registry;
  if (!registry.OpenKey(kShellFolders, false)) return "<no key>";
  return registry.ReadString("Programs");
}

// A Wine prefix of the test's own whose only drive is Z:, the host root, and whose home is
// the temporary folder too, so nothing reaches the real home.
class CurrentUserHiveTest : public ::testing::Test {
 protected:
  CurrentUserHiveTest() {
    std::filesystem::create_directories(prefix_ / "dosdevices");
    std::filesystem::create_directory_symlink("/", prefix_ / "dosdevices" / "z:");
  }

  TempDir dir_;
  std::filesystem::path prefix_ = dir_.path() / "prefix";
  ScopedEnv home_{"HOME", (dir_.path() / "home").string()};
  ScopedEnv wine_prefix_{"WINEPREFIX", prefix_.string()};
  ScopedEnv data_home_{"XDG_DATA_HOME", (dir_.path() / "data").string()};
};

TEST_F(CurrentUserHiveTest, BuiltInHiveNamesTheApplicationsFolderWithoutUserReg) {
  EXPECT_EQ(UserRegHostPath(), "");
  EXPECT_EQ(ProgramsFolder(),
            HostPathFileSystem::ThroughDriveZ((dir_.path() / "data/applications").string()));
}

TEST_F(CurrentUserHiveTest, BuiltInHiveMakesTheMissingApplicationsFolder) {
  const auto applications = dir_.path() / "data/applications";
  ASSERT_FALSE(std::filesystem::exists(dir_.path() / "data"));
  ProgramsFolder();
  ASSERT_TRUE(std::filesystem::is_directory(applications));
  for (const auto& made : {dir_.path() / "data", applications}) {
    EXPECT_EQ(std::filesystem::status(made).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_all)
        << made;
  }
  // A folder that is there is left as it is.
  std::filesystem::permissions(applications, std::filesystem::perms::owner_all |
                                                 std::filesystem::perms::group_read |
                                                 std::filesystem::perms::group_exec);
  ProgramsFolder();
  EXPECT_EQ(std::filesystem::status(applications).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_all | std::filesystem::perms::group_read |
                std::filesystem::perms::group_exec);
}

TEST_F(CurrentUserHiveTest, NothingIsMadeForAFolderNoDriveHolds) {
  HostPathFileSystem unmapped([](const std::string&) { return std::string(); });
  BuiltInHive(unmapped);
  EXPECT_FALSE(std::filesystem::exists(dir_.path() / "data"));
}

TEST_F(CurrentUserHiveTest, ApplicationsFolderDefaultsBelowHome) {
  for (const std::optional<std::string>& data_home :
       {std::optional<std::string>(), std::optional<std::string>(""),
        std::optional<std::string>("relative/data")}) {
    ScopedEnv unset("XDG_DATA_HOME", data_home);
    EXPECT_EQ(ProgramsFolder(), HostPathFileSystem::ThroughDriveZ(
                                    (dir_.path() / "home/.local/share/applications").string()));
  }
}

TEST_F(CurrentUserHiveTest, BuiltInHiveLeavesProgramsOutWhenNoDriveHoldsIt) {
  HostPathFileSystem unmapped([](const std::string&) { return std::string(); });
  Registry registry(BuiltInHive(unmapped));
  ASSERT_TRUE(registry.OpenKey(kShellFolders, false));
  EXPECT_EQ(registry.ReadString("Programs"), "");
  EXPECT_FALSE(registry.OpenKey("\\Control Panel\\Colors", false));
}

TEST_F(CurrentUserHiveTest, PrefixUserRegReplacesTheBuiltInHive) {
  dir_.Write("prefix/user.reg",
             "WINE REGISTRY Version 2\n[Control Panel\\\\Colors] 1\n\"Window\"=\"1 2 3\"\n");
  EXPECT_EQ(UserRegHostPath(), (prefix_ / "user.reg").string());
  EXPECT_EQ(ProgramsFolder(), "<no key>");
  Registry registry;
  ASSERT_TRUE(registry.OpenKey("Control Panel\\Colors", false));
  EXPECT_EQ(registry.ReadString("Window"), "1 2 3");
}

TEST_F(CurrentUserHiveTest, HomeWinePrefixIsUsedOnlyWithItsDriveFolder) {
  ScopedEnv no_prefix("WINEPREFIX", std::nullopt);
  const auto user_reg =
      dir_.Write("home/.wine/user.reg",
                 "WINE REGISTRY Version 2\n[Control Panel\\\\Colors] 1\n\"Window\"=\"4 5 6\"\n");
  EXPECT_EQ(UserRegHostPath(), "");  // No ~/.wine/dosdevices: not a prefix.

  std::filesystem::create_directories(dir_.path() / "home/.wine/dosdevices");
  EXPECT_EQ(UserRegHostPath(), user_reg.string());
  Registry registry;
  ASSERT_TRUE(registry.OpenKey("Control Panel\\Colors", false));
  EXPECT_EQ(registry.ReadString("Window"), "4 5 6");
}

TEST_F(CurrentUserHiveTest, MalformedUserRegIsReported) {
  const auto user_reg =
      dir_.Write("prefix/user.reg", "WINE REGISTRY Version 2\n[Colors] 1\n\"Window\"=\"1 2\n");
  try {
    RegistryView::Default();
    ADD_FAILURE() << "a malformed user.reg was accepted";
  } catch (const ERegistryException& e) {
    EXPECT_EQ(e.Message(), "Malformed registry file \"" + user_reg.string() +
                               "\" at line 3: unterminated string");
  }
}

}  // namespace
}  // namespace brontel::platform
