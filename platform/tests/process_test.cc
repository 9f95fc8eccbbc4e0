#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/posix/posix_process.h"
#include "platform/tests/host_path_file_system.h"
#include "platform/tests/scoped_env.h"

namespace brontel::platform {
namespace {

using testing::HostPathFileSystem;
using testing::ScopedEnv;
using testing::TempDir;

// Waits a bounded time for a file that another process makes.
bool AppearsSoon(const std::filesystem::path& file) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!std::filesystem::exists(file)) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

// True when this process has no child at all, finished or running: nothing is left to reap.
bool HasNoChildren() {
  errno = 0;
  return waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD;
}

HostPathFileSystem unmapped([](const std::string&) { return std::string(); });

TEST(ProcessTest, StartsAProgramFromItsArgumentsWithoutAShell) {
  TempDir dir;
  PosixProcess process(&unmapped);
  // A shell would split this at ";" and "&" and expand the rest.
  const std::string name = "a b;`true`&$HOME 'q'*.txt";
  ASSERT_TRUE(process.StartDetached({"touch", (dir.path() / name).string()}));
  ASSERT_TRUE(AppearsSoon(dir.path() / name));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
  EXPECT_TRUE(HasNoChildren());
}

TEST(ProcessTest, ReturnsAtOnceAndLeavesTheProgramToItself) {
  TempDir dir;
  PosixProcess process(&unmapped);
  ASSERT_TRUE(process.StartDetached({BRONTEL_PROCESS_TEST_HELPER, dir.path().string()}));
  ASSERT_TRUE(AppearsSoon(dir.path() / "started"));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "finished"));  // Still waiting for release.
  EXPECT_TRUE(HasNoChildren());

  long pid = 0, session = 0, parent = 0;
  std::ifstream(dir.path() / "started") >> pid >> session >> parent;
  EXPECT_GT(pid, 0);
  EXPECT_EQ(session, pid);  // A session of its own.
  EXPECT_NE(parent, static_cast<long>(getpid()));

  dir.Write("release", "");
  EXPECT_TRUE(AppearsSoon(dir.path() / "finished"));
}

TEST(ProcessTest, ReportsProgramsThatCannotStart) {
  TempDir dir;
  const auto not_executable = dir.Write("data.txt", "not a program");
  chmod(not_executable.c_str(), 0644);
  PosixProcess process(&unmapped);
  const std::vector<std::vector<std::string>> cases = {
      {},
      {""},
      {"brontel-no-such-program", "argument"},
      {(dir.path() / "missing").string()},
      {not_executable.string()},
  };
  for (const auto& argv : cases) {
    EXPECT_FALSE(process.StartDetached(argv)) << (argv.empty() ? "<none>" : argv.front());
  }
  EXPECT_TRUE(HasNoChildren());
}

TEST(ProcessTest, ExecutablePathGoesThroughTheDriveMap) {
  const std::string host = std::filesystem::read_symlink("/proc/self/exe").string();
  std::string asked;
  HostPathFileSystem mapped([&asked](const std::string& path) {
    asked = path;
    return std::string("C:\\tests\\platform_process_tests");
  });
  EXPECT_EQ(PosixProcess(&mapped).ExecutablePath(), "C:\\tests\\platform_process_tests");
  EXPECT_EQ(asked, host);
  EXPECT_EQ(PosixProcess(&unmapped).ExecutablePath(), HostPathFileSystem::ThroughDriveZ(host));
}

TEST(ProcessTest, DefaultInstanceUsesTheDefaultFileSystem) {
  TempDir dir;
  std::filesystem::create_directories(dir.path() / "dosdevices");
  std::filesystem::create_directory_symlink("/", dir.path() / "dosdevices" / "z:");
  ScopedEnv prefix("WINEPREFIX", dir.path().string());
  ASSERT_EQ(Process::Default(), Process::Default());
  EXPECT_EQ(Process::Default()->ExecutablePath(),
            HostPathFileSystem::ThroughDriveZ(std::filesystem::read_symlink("/proc/self/exe")));
}

}  // namespace
}  // namespace brontel::platform
