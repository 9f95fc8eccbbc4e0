#include "platform/windows_path.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace brontel::platform {
namespace {

TEST(WindowsPathTest, SplitsDriveRootAndComponents) {
  const WindowsPath p = SplitWindowsPath("c:\\Program Files//Brontel\\");
  EXPECT_EQ(p.drive, 'C');
  EXPECT_TRUE(p.rooted);
  EXPECT_EQ(p.components, (std::vector<std::string>{"Program Files", "Brontel"}));

  const WindowsPath relative = SplitWindowsPath("d:..\\x");
  EXPECT_EQ(relative.drive, 'D');
  EXPECT_FALSE(relative.rooted);
  EXPECT_EQ(relative.components, (std::vector<std::string>{"..", "x"}));

  // A colon anywhere but after a leading letter names no drive.
  const WindowsPath odd = SplitWindowsPath("1:x");
  EXPECT_EQ(odd.drive, 0);
  EXPECT_EQ(odd.components, (std::vector<std::string>{"1:x"}));
}

struct ResolveCase {
  const char* path;
  const char* current;
  const char* expected;
};

class ResolveTest : public ::testing::TestWithParam<ResolveCase> {};

TEST_P(ResolveTest, Resolves) {
  const ResolveCase& c = GetParam();
  EXPECT_EQ(ResolveWindowsPath(c.path, c.current), c.expected)
      << "path \"" << c.path << "\" in \"" << c.current << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Table, ResolveTest,
    ::testing::Values(
        // The drive root is a boundary that ".." never crosses.
        ResolveCase{"C:\\a\\..\\..\\..", "", "C:\\"}, ResolveCase{"..\\..\\..", "C:\\", "C:\\"},
        ResolveCase{"..\\..\\..\\x", "C:\\users\\me", "C:\\x"},
        ResolveCase{"c:\\..\\Windows\\.\\System", "", "C:\\Windows\\System"},
        ResolveCase{"C:\\a\\b\\..\\c\\.", "", "C:\\a\\c"},
        // Separators: either kind, repeated, trailing.
        ResolveCase{"C:/a//b\\\\c\\", "", "C:\\a\\b\\c"}, ResolveCase{"C:", "C:\\work", "C:\\work"},
        ResolveCase{"D:", "C:\\work", "D:\\"},
        // Relative paths join the current folder.
        ResolveCase{"sub\\File.TXT", "C:\\work", "C:\\work\\sub\\File.TXT"},
        ResolveCase{".", "C:\\work", "C:\\work"}, ResolveCase{"..", "C:\\work\\deep", "C:\\work"},
        // A leading "\" is the root of the current drive.
        ResolveCase{"\\Temp", "D:\\data\\x", "D:\\Temp"},
        // "X:name" is relative to the current folder only on the current drive.
        ResolveCase{"c:sub", "C:\\work", "C:\\work\\sub"},
        ResolveCase{"e:sub\\..\\x", "C:\\work", "E:\\x"},
        // Without a usable current folder, relative paths cannot be resolved.
        ResolveCase{"sub", "", ""}, ResolveCase{"\\sub", "work", ""},
        ResolveCase{"", "C:\\work", ""}));

TEST(WindowsPathTest, JoinsRootsAndComponents) {
  EXPECT_EQ(JoinWindowsPath('C', {}), "C:\\");
  EXPECT_EQ(JoinWindowsPath('z', {"tmp", "x y"}), "z:\\tmp\\x y");
}

}  // namespace
}  // namespace brontel::platform
