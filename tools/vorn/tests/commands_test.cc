// vorn's commands end to end, in a temporary drive map: files packed from a work folder, listed,
// tested and extracted again, and the messages and exit codes of the failures.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <sstream>

#include "archive/archive_format.h"
#include "platform/testing/temp_drive_map.h"
#include "tools/vorn/create_command.h"
#include "tools/vorn/extract_command.h"
#include "tools/vorn/host_files.h"
#include "tools/vorn/run.h"

namespace brontel::vorn {
namespace {

namespace fs = std::filesystem;

struct Result {
  int code;
  std::string out;
  std::string err;
};

class CommandsTest : public ::testing::Test {
 protected:
  CommandsTest() {
    work_ = drive_.HostPath('c', "work");
    fs::create_directories(work_ + "/sub");
    fs::current_path(work_);
    Write("readme.txt", "Read me first.\r\n");
    Write("sub/data.bin", std::string(3000, 'x') + std::string(200, '\x94'));
    Write("empty.txt", "");
  }

  static void Write(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
  }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  Result Vorn(const std::vector<std::string>& args, bool progress = false) {
    std::ostringstream out, err;
    Console console(out, err, progress);
    const int code = Run(args, console);
    return {code, out.str(), err.str()};
  }

  platform::testing::TempDriveMap drive_;
  std::string work_;
};

TEST_F(CommandsTest, CreateListTestAndExtractRoundTrip) {
  for (const char* method : {"lzh", "rle", "non"}) {
    SCOPED_TRACE(method);
    const Result created =
        Vorn({"create", "-m", method, "out.vorn", "readme.txt", "sub/data.bin", "empty.txt"});
    ASSERT_EQ(created.code, 0) << created.err;
    EXPECT_EQ(created.err, "");

    const auto bytes = ReadHostFile("out.vorn");
    ASSERT_GE(bytes.size(), 21u);
    const TArchiveHeader header =
        DecodeArchiveHeader(std::span<const unsigned char, 21>(bytes.data(), 21));
    const std::string expected_id = std::string(method) == "lzh"   ? "LZH"
                                    : std::string(method) == "rle" ? "RLE"
                                                                   : "NON";
    EXPECT_EQ(CompressIdText(header), expected_id);
    EXPECT_EQ(header.TotalSize, 16 + 3200);

    const Result listed = Vorn({"list", "out.vorn"});
    ASSERT_EQ(listed.code, 0) << listed.err;
    std::istringstream lines(listed.out);
    std::vector<std::string> names;
    for (std::string line; std::getline(lines, line);) names.push_back(line.substr(0, 12));
    EXPECT_EQ(names, (std::vector<std::string>{"readme.txt  ", "sub\\data.bin", "empty.txt   "}));
    EXPECT_NE(listed.out.find("        3200"), std::string::npos);

    const Result tested = Vorn({"test", "out.vorn"});
    EXPECT_EQ(tested.code, 0) << tested.err;
    EXPECT_EQ(tested.out, "OK  readme.txt\nOK  sub\\data.bin\nOK  empty.txt\n");

    const std::string target = drive_.HostPath('c', std::string("unpacked-") + method);
    const Result extracted = Vorn({"extract", "out.vorn", target});
    ASSERT_EQ(extracted.code, 0) << extracted.err;
    EXPECT_EQ(Read(target + "/readme.txt"), "Read me first.\r\n");
    EXPECT_EQ(Read(target + "/sub/data.bin"), std::string(3000, 'x') + std::string(200, '\x94'));
    EXPECT_TRUE(fs::exists(target + "/empty.txt"));
    const std::string windows_target = std::string("C:\\unpacked-") + method;
    EXPECT_EQ(extracted.out, windows_target + "\\readme.txt\n" + windows_target +
                                 "\\sub\\data.bin\n" + windows_target + "\\empty.txt\n");
  }
}

TEST_F(CommandsTest, ExtractsNamedEntriesToAWindowsPath) {
  ASSERT_EQ(Vorn({"create", "out.vorn", "readme.txt", "sub/data.bin"}).code, 0);
  const Result r = Vorn({"extract", "out.vorn", "C:\\Named", "SUB\\DATA.BIN"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, "C:\\Named\\sub\\data.bin\n");
  EXPECT_TRUE(fs::exists(drive_.HostPath('c', "Named/sub/data.bin")));
  EXPECT_FALSE(fs::exists(drive_.HostPath('c', "Named/readme.txt")));

  const Result missing = Vorn({"extract", "out.vorn", "C:\\Named", "nothing.txt"});
  EXPECT_EQ(missing.code, 1);
  EXPECT_EQ(missing.err, "vorn: No entry named nothing.txt in out.vorn\n");
}

TEST_F(CommandsTest, AKeyLocksTheArchiveForTestAndExtract) {
  ASSERT_EQ(Vorn({"create", "-k", "4242", "locked.vorn", "readme.txt"}).code, 0);
  EXPECT_NE(Vorn({"list", "locked.vorn"}).out.find("locked"), std::string::npos);

  const Result no_key = Vorn({"test", "locked.vorn"});
  EXPECT_EQ(no_key.code, 1);
  EXPECT_EQ(no_key.err, "vorn: readme.txt: File locked -- valid key required\n");
  EXPECT_EQ(Vorn({"test", "-k", "4242", "locked.vorn"}).code, 0);
  EXPECT_EQ(Vorn({"test", "-k", "4243", "locked.vorn"}).code, 1);

  const Result refused = Vorn({"extract", "locked.vorn", "C:\\Locked"});
  EXPECT_EQ(refused.code, 1);
  EXPECT_EQ(refused.err, "vorn: File locked -- valid key required\n");
  EXPECT_FALSE(fs::exists(drive_.HostPath('c', "Locked/readme.txt")));
  EXPECT_EQ(Vorn({"extract", "-k", "4242", "locked.vorn", "C:\\Locked"}).code, 0);
  EXPECT_EQ(Read(drive_.HostPath('c', "Locked/readme.txt")), "Read me first.\r\n");
}

TEST_F(CommandsTest, TestReportsEachDamagedEntryAndWritesNothing) {
  ASSERT_EQ(Vorn({"create", "-m", "rle", "out.vorn", "readme.txt", "sub/data.bin"}).code, 0);
  auto bytes = ReadHostFile("out.vorn");
  bytes[21 + 25 + 10] ^= 0x01;  // first byte of the first body
  WriteHostFile("bad.vorn", bytes);
  const auto count = [&] {
    return std::distance(fs::recursive_directory_iterator(drive_.Root()), {});
  };
  const auto before = count();
  const Result r = Vorn({"test", "bad.vorn"});
  EXPECT_EQ(count(), before);
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.err, "vorn: readme.txt: Bad checksum during expansion -- data may be invalid\n");
  EXPECT_EQ(r.out, "OK  sub\\data.bin\n");
}

TEST_F(CommandsTest, FailuresGoToStandardErrorWithExitCodes) {
  const Result usage = Vorn({"frobnicate"});
  EXPECT_EQ(usage.code, 2);
  EXPECT_EQ(usage.err.rfind("vorn: unknown command 'frobnicate'\nusage: vorn create", 0), 0u);

  const Result missing = Vorn({"list", "nowhere.vorn"});
  EXPECT_EQ(missing.code, 1);
  EXPECT_EQ(missing.err, "vorn: Cannot open file nowhere.vorn\n");

  Write("junk.vorn", std::string(60, 'j'));
  const Result junk = Vorn({"list", "junk.vorn"});
  EXPECT_EQ(junk.code, 1);
  EXPECT_EQ(junk.err, "vorn: Can't recognize compressed file header\n");

  const Result climbing = Vorn({"create", "out.vorn", "../escape.txt"});
  EXPECT_EQ(climbing.code, 1);
  EXPECT_NE(climbing.err.find("../escape.txt"), std::string::npos);

  EXPECT_EQ(Vorn({"help"}).code, 0);
}

TEST_F(CommandsTest, ProgressIsDrawnOnlyWhenAskedFor) {
  ASSERT_EQ(Vorn({"create", "out.vorn", "sub/data.bin"}).code, 0);
  const Result quiet = Vorn({"test", "out.vorn"});
  EXPECT_EQ(quiet.err, "");
  const Result shown = Vorn({"test", "out.vorn"}, /*progress=*/true);
  EXPECT_EQ(shown.code, 0);
  EXPECT_NE(shown.err.find("\rsub\\data.bin 100%"), std::string::npos) << shown.err;
  EXPECT_EQ(shown.err.back(), '\r');  // the line is wiped again
}

TEST(StoredNameTest, KeepsThePathAsGivenWithBackslashes) {
  EXPECT_EQ(StoredName("readme.txt"), "readme.txt");
  EXPECT_EQ(StoredName("sub/deep/x.bin"), "sub\\deep\\x.bin");
  EXPECT_EQ(StoredName("./a/../b.txt"), ".\\a\\..\\b.txt");
  EXPECT_THROW(StoredName("/etc/passwd"), Exception);
  EXPECT_THROW(StoredName("../x"), Exception);
  EXPECT_THROW(StoredName(""), Exception);
}

TEST(DosDateTimeOfTest, ClampsInstantsTheFormCannotHold) {
  EXPECT_EQ(DosDateTimeOf(0), 0x00210000u);
  EXPECT_EQ(DosDateTimeOf(std::numeric_limits<std::time_t>::max() / 2), 0xFF9FBF7Du);
  std::tm local{};
  local.tm_year = 99;
  local.tm_mon = 6;
  local.tm_mday = 4;
  local.tm_hour = 13;
  local.tm_min = 45;
  local.tm_sec = 31;  // odd seconds round down
  local.tm_isdst = -1;
  EXPECT_EQ(DosDateTimeOf(std::mktime(&local)),
            ((19u << 9 | 7u << 5 | 4u) << 16) | (13u << 11 | 45u << 5 | 15u));
}

TEST_F(CommandsTest, TargetFoldersTranslateThroughTheDriveMap) {
  auto& file_system = *platform::FileSystem::Default();
  EXPECT_EQ(TargetFolder("D:\\x", file_system), "D:\\x");
  EXPECT_EQ(TargetFolder("c:y", file_system), "c:y");
  EXPECT_EQ(TargetFolder(drive_.HostPath('c', "a/b"), file_system), "C:\\a\\b");
  EXPECT_EQ(TargetFolder("rel", file_system), "C:\\work\\rel");
}

}  // namespace
}  // namespace brontel::vorn
