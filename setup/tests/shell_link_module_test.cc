// The Start Menu shortcut module in a private drive map whose user.reg names the Programs folder:
// the link it leaves, the registry failures that come before any file, the result-code check and
// its message, the path rules, and OLE's module start.
#include "setup/shell_link.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/exception.h"
#include "platform/com.h"
#include "platform/shell_link.h"
#include "platform/testing/temp_drive_map.h"
#include "platform/testing/user_reg_text.h"
#include "setup/install_state.h"
#include "setup/replace_extension.h"
#include "setup/shell_folder.h"
#include "setup/tests/link_reader.h"

namespace brontel {
namespace {

namespace fs = std::filesystem;

constexpr char kPrograms[] = "C:\\users\\me\\Start Menu\\Programs";
// The text of the exception `call` raises, or "" when it raises none.
template <typename E, typename F>
std::string MessageOf(F call) {
  try {
    call();
  } catch (const E& e) {
    return e.Message();
  }
  return "";
}

// The .lnk files anywhere in the drive map.
int LinkFilesUnder(const std::string& root) {
  int count = 0;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.path().extension() == ".lnk") ++count;
  }
  return count;
}

class ShellLinkModuleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The running test program must have a Windows path for its working-folder field.
    drives_.MapDrive('z', "/");
    fs::create_directories(drives_.HostPath('C', "users\\me\\Start Menu\\Programs"));
    WriteUserReg(std::string(platform::testing::kShellFoldersSection) + "\n\"Programs\"=\"" +
                 platform::testing::UserRegString(kPrograms) + "\"\n");
    DestDirSlash = "C:\\Program Files\\Brontel\\";
  }

  void WriteUserReg(const std::string& keys) {
    std::ofstream(drives_.Root() + "/user.reg") << "WINE REGISTRY Version 2\n\n" << keys;
  }

  std::string ProgramsHost(const std::string& name) const {
    return drives_.HostPath('C', std::string("users\\me\\Start Menu\\Programs\\") + name);
  }

  // The Windows folder of this test program, with its trailing "\".
  static std::string OwnFolder() {
    std::string folder = "Z:" + fs::canonical("/proc/self/exe").parent_path().string() + "/";
    for (char& c : folder) {
      if (c == '/') c = '\\';
    }
    return folder;
  }

  platform::testing::TempDriveMap drives_;
};

// Tests that make links run between module start and stop, as the program does.
class StartedModuleTest : public ShellLinkModuleTest {
 protected:
  void SetUp() override {
    ShellLinkModuleTest::SetUp();
    ShellLinkModuleStart();
  }
  void TearDown() override { ShellLinkModuleStop(); }
};

TEST_F(StartedModuleTest, TheShortcutPointsAtTheInstalledProgram) {
  AddStartMenuShortcut();
  ASSERT_TRUE(fs::exists(ProgramsHost("Brontel.lnk")));
  const TShellLinkInfo info = testing::ReadLink(std::string(kPrograms) + "\\Brontel.lnk");
  EXPECT_EQ(info.Path, "C:\\Program Files\\Brontel\\BRONTEL.EXE");
  EXPECT_EQ(info.Arguments, "");
  EXPECT_EQ(info.Description, "C:\\Program Files\\Brontel\\BRONTEL.EXE");
  EXPECT_EQ(info.WorkingDirectory, OwnFolder());
  EXPECT_EQ(info.IconLocation, "C:\\Program Files\\Brontel\\BRONTEL.EXE");
  EXPECT_EQ(info.IconIndex, 0);
  EXPECT_EQ(info.ShowCmd, platform::kSW_SHOWNORMAL);
  EXPECT_EQ(info.Hotkey, 0);
}

TEST_F(StartedModuleTest, OtherToolsReadTheShortcut) {
  if (std::system("command -v lnkinfo >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "lnkinfo (liblnk-utils) is not installed";
  }
  AddStartMenuShortcut();
  const std::string out_file = drives_.Root() + "/lnkinfo.txt";
  ASSERT_EQ(
      std::system(("lnkinfo '" + ProgramsHost("Brontel.lnk") + "' > '" + out_file + "'").c_str()),
      0);
  std::ifstream in(out_file);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::string target = "C:\\Program Files\\Brontel\\BRONTEL.EXE\n";
  EXPECT_NE(text.find("Local path\t\t\t: " + target), std::string::npos) << text;
  EXPECT_NE(text.find("Description\t\t\t: " + target), std::string::npos) << text;
  EXPECT_NE(text.find("Icon location\t\t\t: " + target), std::string::npos) << text;
  EXPECT_NE(text.find("Icon index\t\t\t: 0\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Working directory\t\t: " + OwnFolder() + "\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("Command line arguments"), std::string::npos) << text;
}

TEST_F(StartedModuleTest, CreateShellLinkFileNamesTheLinkAfterTheProduct) {
  const std::string link_file =
      CreateShellLinkFile("C:\\x\\Setup.exe", "A description", "Programs");
  EXPECT_EQ(link_file, std::string(kPrograms) + "\\Setup.lnk");
  const TShellLinkInfo info = testing::ReadLink(link_file);
  EXPECT_EQ(info.Path, "C:\\x\\Setup.exe");
  EXPECT_EQ(info.Description, "A description");
}

TEST_F(StartedModuleTest, WriteShellLinkInfoWritesEveryField) {
  const std::string link_file = CreateShellLinkFile("Brontel", "", "Programs");
  EXPECT_EQ(testing::ReadLink(link_file).Path,
            "Brontel");  // the first content: the product name only
  TShellLinkInfo info;
  info.Path = "D:\\Brontel\\BRONTEL.EXE";
  info.Arguments = "/s";
  info.Description = "Brontel";
  info.WorkingDirectory = "D:\\";
  info.IconLocation = "D:\\Brontel\\icons.dll";
  info.IconIndex = 3;
  info.ShowCmd = platform::kSW_SHOWMAXIMIZED;
  info.Hotkey = 0x0342;
  WriteShellLinkInfo(link_file, info);
  const TShellLinkInfo back = testing::ReadLink(link_file);
  EXPECT_EQ(back.Path, info.Path);
  EXPECT_EQ(back.Arguments, info.Arguments);
  EXPECT_EQ(back.Description, info.Description);
  EXPECT_EQ(back.WorkingDirectory, info.WorkingDirectory);
  EXPECT_EQ(back.IconLocation, info.IconLocation);
  EXPECT_EQ(back.IconIndex, info.IconIndex);
  EXPECT_EQ(back.ShowCmd, info.ShowCmd);
  EXPECT_EQ(back.Hotkey, info.Hotkey);
}

TEST_F(StartedModuleTest, WritingToAMissingLinkFileFails) {
  const std::string message = MessageOf<EShellOleError>(
      [] { WriteShellLinkInfo(std::string(kPrograms) + "\\None.lnk", TShellLinkInfo{}); });
  EXPECT_EQ(message, "OLE function call failed. HResult is $80070002. GetLastError is $2");
}

TEST_F(StartedModuleTest, RegistryFailuresComeBeforeAnyFile) {
  const struct {
    const char* what;
    std::string keys;
    std::string message;
  } cases[] = {
      {"no key", "[Software\\\\Other] 1\n\"Programs\"=\"C:\\\\x\"\n",
       "Folder key \"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders\" "
       "not found"},
      {"no value",
       std::string(platform::testing::kShellFoldersSection) + "\n\"Desktop\"=\"C:\\\\x\"\n",
       "\"Programs\" item not found in registry"},
      {"empty value",
       std::string(platform::testing::kShellFoldersSection) + "\n\"Programs\"=\"\"\n",
       "\"Programs\" item not found in registry"},
      {"not a string",
       std::string(platform::testing::kShellFoldersSection) + "\n\"Programs\"=dword:00000001\n",
       "Invalid data type for 'Programs'"},
  };
  for (const auto& c : cases) {
    WriteUserReg(c.keys);
    EXPECT_EQ(MessageOf<ERegistryException>([] { AddStartMenuShortcut(); }), c.message) << c.what;
    EXPECT_EQ(LinkFilesUnder(drives_.Root()), 0) << c.what;
  }
}

TEST_F(StartedModuleTest, ShellFolderPathReturnsTheValueAsWritten) {
  WriteUserReg(std::string(platform::testing::kShellFoldersSection) +
               "\n\"Programs\"=\"C:\\\\Start\\\\\"\n");
  EXPECT_EQ(ShellFolderPath("Programs"), "C:\\Start\\");
  EXPECT_EQ(ShellFolderPath("programs"), "C:\\Start\\");
}

// A Programs folder so deep that the link file's path does not fit 259 characters: the save
// goes nowhere and the load that follows reports it.
TEST_F(StartedModuleTest, ALinkPathBeyondTheLimitFailsAtTheLoad) {
  const std::string deep = "C:\\" + std::string(245, 'p');
  fs::create_directories(drives_.HostPath('C', deep.substr(3)));
  WriteUserReg(std::string(platform::testing::kShellFoldersSection) + "\n\"Programs\"=\"" +
               platform::testing::UserRegString(deep) + "\"\n");
  ASSERT_EQ((deep + "\\Brontel.lnk").size(), 260u);
  const std::string message = MessageOf<EShellOleError>([] { AddStartMenuShortcut(); });
  EXPECT_EQ(message.rfind("OLE function call failed. HResult is $80070057. GetLastError is $", 0),
            0u)
      << message;
  EXPECT_EQ(LinkFilesUnder(drives_.Root()), 0);
}

TEST_F(ShellLinkModuleTest, NoLinkBeforeTheModuleStarts) {
  ASSERT_FALSE(platform::OleInitialized());
  const std::string message = MessageOf<EShellOleError>([] { AddStartMenuShortcut(); });
  EXPECT_EQ(message.rfind("OLE function call failed. HResult is $800401F0. GetLastError is $", 0),
            0u)
      << message;
  EXPECT_EQ(LinkFilesUnder(drives_.Root()), 0);
}

TEST(ShellLinkModuleStartTest, StartAndStopPairOleOnTheThread) {
  ASSERT_FALSE(platform::OleInitialized());
  ShellLinkModuleStart();
  EXPECT_TRUE(platform::OleInitialized());
  EXPECT_TRUE(NewShellLink());
  ShellLinkModuleStop();
  EXPECT_FALSE(platform::OleInitialized());
}

TEST(CheckShellResultTest, OnlyZeroPasses) {
  EXPECT_NO_THROW(CheckShellResult(0));
  const struct {
    platform::HResult result;
    int error;
    const char* message;
  } cases[] = {
      {1, 0, "OLE function call failed. HResult is $1. GetLastError is $0"},
      {platform::kCO_E_NOTINITIALIZED, 2,
       "OLE function call failed. HResult is $800401F0. GetLastError is $2"},
      {platform::kE_INVALIDARG, 0x1C,
       "OLE function call failed. HResult is $80070057. "
       "GetLastError is $1C"},
  };
  for (const auto& c : cases) {
    const std::string message = MessageOf<EShellOleError>([&] {
      errno = c.error;
      CheckShellResult(c.result);
    });
    EXPECT_EQ(message, c.message);
  }
}

TEST(ReplaceExtensionTest, Table) {
  const struct {
    const char* name;
    bool keep_folder;
    const char* expected;
  } cases[] = {
      {"Brontel", false, "Brontel.lnk"},
      {"C:\\x\\Setup.exe", false, "Setup.lnk"},
      {"C:\\x\\Setup.exe", true, "C:\\x\\Setup.lnk"},
      {"a.b.c", false, "a.b.lnk"},
      {".x", false, ".lnk"},
      {"C:Setup.exe", false, "Setup.lnk"},
      {"C:\\x.y\\Setup", false, "Setup.lnk"},
      {"C:\\x.y\\Setup", true, "C:\\x.y\\Setup.lnk"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReplaceExtension(c.name, "lnk", c.keep_folder), c.expected)
        << c.name << " " << c.keep_folder;
  }
  EXPECT_EQ(ReplaceExtension(std::string(300, 'n') + ".exe", "lnk", false),
            std::string(255, 'n') + ".lnk");
}

TEST(LinkFilePathToWideTest, PathsOver259CharactersBecomeEmpty) {
  EXPECT_EQ(LinkFilePathToWide("C:\\a.lnk"), u"C:\\a.lnk");
  EXPECT_EQ(LinkFilePathToWide(std::string(259, 'a')).size(), 259u);
  EXPECT_EQ(LinkFilePathToWide(std::string(260, 'a')), u"");
  EXPECT_EQ(LinkFilePathToWide("C:\\Br\xF6ntel.lnk"), u"C:\\Br\u00F6ntel.lnk");
}

}  // namespace
}  // namespace brontel
