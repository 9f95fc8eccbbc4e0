// The link object through its component-object interfaces, on the real file system inside a
// throw-away drive map: creation rules, reference counting, saving and loading every property,
// the file that other tools read, and the failures a caller has to see.
#include "platform/shell_link.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/posix/shell_link_file.h"
#include "platform/testing/fault_file_system.h"
#include "platform/testing/temp_drive_map.h"

namespace brontel::platform {
namespace {

namespace fs = std::filesystem;

constexpr char kTarget[] = "C:\\Program Files\\Brontel\\BRONTEL.EXE";

void WriteHostFile(const std::string& host_path, const std::string& content) {
  fs::create_directories(fs::path(host_path).parent_path());
  std::ofstream(host_path, std::ios::binary) << content;
}

std::vector<std::uint8_t> ReadHostFile(const std::string& host_path) {
  std::ifstream in(host_path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Each test runs with OLE initialised on its thread and a drive map of its own.
class ShellLinkTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(OleInitialize(nullptr), kS_OK); }
  void TearDown() override { OleUninitialize(); }

  ComPtr<IShellLinkA> NewLink() {
    ComPtr<IShellLinkA> link;
    EXPECT_EQ(CoCreateInstance(kCLSID_ShellLink, nullptr, kCLSCTX_INPROC_SERVER, kIID_IShellLinkA,
                               link.PutVoid()),
              kS_OK);
    return link;
  }
  static ComPtr<IPersistFile> FileOf(IShellLinkA& link) {
    ComPtr<IPersistFile> file;
    EXPECT_EQ(link.QueryInterface(kIID_IPersistFile, file.PutVoid()), kS_OK);
    return file;
  }
  // Sets every property to a value that differs from the defaults.
  static void SetAll(IShellLinkA& link) {
    EXPECT_EQ(link.SetPath(kTarget), kS_OK);
    EXPECT_EQ(link.SetArguments("/readme"), kS_OK);
    EXPECT_EQ(link.SetDescription("Brontel 2.02"), kS_OK);
    EXPECT_EQ(link.SetWorkingDirectory("Z:\\opt\\setup\\"), kS_OK);
    EXPECT_EQ(link.SetIconLocation("C:\\Windows\\icons.dll", 4), kS_OK);
    EXPECT_EQ(link.SetShowCmd(kSW_SHOWMAXIMIZED), kS_OK);
    EXPECT_EQ(link.SetHotkey((kHOTKEYF_CONTROL | kHOTKEYF_ALT) << 8 | 'B'), kS_OK);
  }

  testing::TempDriveMap drives_;
  std::string link_host_ = drives_.HostPath('C', "links\\Brontel.lnk");
  std::u16string link_name_ = u"C:\\links\\Brontel.lnk";
};

TEST(OleTest, CreationNeedsOleOnTheThread) {
  ASSERT_FALSE(OleInitialized());
  void* object = reinterpret_cast<void*>(1);
  EXPECT_EQ(
      CoCreateInstance(kCLSID_ShellLink, nullptr, kCLSCTX_INPROC_SERVER, kIID_IShellLinkA, &object),
      kCO_E_NOTINITIALIZED);
  EXPECT_EQ(object, nullptr);

  EXPECT_EQ(OleInitialize(nullptr), kS_OK);
  EXPECT_EQ(OleInitialize(nullptr), kS_FALSE);
  ComPtr<IShellLinkA> link;
  EXPECT_EQ(CoCreateInstance(kCLSID_ShellLink, nullptr, kCLSCTX_INPROC_SERVER, kIID_IShellLinkA,
                             link.PutVoid()),
            kS_OK);
  EXPECT_TRUE(link);
  OleUninitialize();
  EXPECT_TRUE(OleInitialized());  // one nested call is still open
  OleUninitialize();
  EXPECT_FALSE(OleInitialized());
  EXPECT_EQ(CoCreateInstance(kCLSID_ShellLink, nullptr, kCLSCTX_INPROC_SERVER, kIID_IShellLinkA,
                             link.PutVoid()),
            kCO_E_NOTINITIALIZED);
  EXPECT_FALSE(link);
  OleUninitialize();  // unbalanced: no effect
  EXPECT_EQ(OleInitialize(reinterpret_cast<void*>(8)), kE_INVALIDARG);
  EXPECT_FALSE(OleInitialized());
}

TEST_F(ShellLinkTest, CreationRefusesWhatItCannotMake) {
  const auto outer_link = NewLink();
  IUnknown* outer = outer_link.Get();
  const Guid unknown = {0x12345678, 0, 0, {0, 0, 0, 0, 0, 0, 0, 1}};
  const struct {
    const char* what;
    Guid clsid;
    IUnknown* outer;
    std::uint32_t context;
    Guid iid;
    HResult expected;
  } cases[] = {
      {"aggregation", kCLSID_ShellLink, outer, kCLSCTX_INPROC_SERVER, kIID_IShellLinkA,
       kCLASS_E_NOAGGREGATION},
      {"out of process", kCLSID_ShellLink, nullptr, 0x4, kIID_IShellLinkA, kREGDB_E_CLASSNOTREG},
      {"unknown class", unknown, nullptr, kCLSCTX_INPROC_SERVER, kIID_IShellLinkA,
       kREGDB_E_CLASSNOTREG},
      {"unknown interface", kCLSID_ShellLink, nullptr, kCLSCTX_INPROC_SERVER, unknown,
       kE_NOINTERFACE},
      {"file interface", kCLSID_ShellLink, nullptr, kCLSCTX_INPROC_SERVER, kIID_IPersistFile,
       kS_OK},
  };
  for (const auto& c : cases) {
    ComPtr<IUnknown> object;
    EXPECT_EQ(CoCreateInstance(c.clsid, c.outer, c.context, c.iid, object.PutVoid()), c.expected)
        << c.what;
    EXPECT_EQ(static_cast<bool>(object), Succeeded(c.expected)) << c.what;
  }
}

TEST_F(ShellLinkTest, EachInterfaceCarriesOneReference) {
  void* raw = nullptr;
  ASSERT_EQ(
      CoCreateInstance(kCLSID_ShellLink, nullptr, kCLSCTX_INPROC_SERVER, kIID_IShellLinkA, &raw),
      kS_OK);
  auto* link = static_cast<IShellLinkA*>(raw);
  void* file = nullptr;
  ASSERT_EQ(link->QueryInterface(kIID_IPersistFile, &file), kS_OK);
  void* none = reinterpret_cast<void*>(1);
  EXPECT_EQ(link->QueryInterface(Guid{1, 2, 3, {4}}, &none), kE_NOINTERFACE);
  EXPECT_EQ(none, nullptr);
  EXPECT_EQ(link->QueryInterface(kIID_IPersistFile, nullptr), kE_POINTER);
  // The file interface works on the same object as the link interface.
  EXPECT_EQ(link->SetPath(kTarget), kS_OK);
  EXPECT_EQ(static_cast<IPersistFile*>(file)->IsDirty(), kS_OK);
  EXPECT_EQ(link->Release(), 1u);
  EXPECT_EQ(static_cast<IPersistFile*>(file)->Release(), 0u);
}

TEST_F(ShellLinkTest, LoadReadsBackEveryProperty) {
  WriteHostFile(drives_.HostPath('C', "Program Files\\Brontel\\Brontel.exe"), "MZ program");
  fs::create_directories(fs::path(link_host_).parent_path());
  {
    const auto link = NewLink();
    SetAll(*link);
    EXPECT_EQ(FileOf(*link)->Save(link_name_.c_str(), true), kS_OK);
  }
  const auto link = NewLink();
  const auto file = FileOf(*link);
  ASSERT_EQ(file->Load(link_name_.c_str(), kSTGM_READ | kSTGM_SHARE_DENY_WRITE), kS_OK);
  EXPECT_EQ(file->IsDirty(), kS_FALSE);
  std::string text;
  std::int32_t number = 0;
  std::uint16_t hotkey = 0;
  EXPECT_EQ(link->GetPath(text), kS_OK);
  EXPECT_EQ(text, kTarget);
  link->GetArguments(text);
  EXPECT_EQ(text, "/readme");
  link->GetDescription(text);
  EXPECT_EQ(text, "Brontel 2.02");
  link->GetWorkingDirectory(text);
  EXPECT_EQ(text, "Z:\\opt\\setup\\");
  link->GetIconLocation(text, number);
  EXPECT_EQ(text, "C:\\Windows\\icons.dll");
  EXPECT_EQ(number, 4);
  link->GetShowCmd(number);
  EXPECT_EQ(number, kSW_SHOWMAXIMIZED);
  link->GetHotkey(hotkey);
  EXPECT_EQ(hotkey, 0x0642);
  std::u16string current;
  EXPECT_EQ(file->GetCurFile(current), kS_OK);
  EXPECT_EQ(current, link_name_);

  // The target existed (under another letter case), so the file records what it is.
  const auto recorded = DecodeShellLink(ReadHostFile(link_host_));
  ASSERT_TRUE(recorded.has_value());
  EXPECT_EQ(recorded->file_size, 10u);
  EXPECT_EQ(recorded->file_attributes & kAttrDirectory, 0u);
  EXPECT_NE(recorded->file_attributes, 0u);
  EXPECT_NE(recorded->write_time, 0u);
}

// The record that another reader of link files sees.
TEST_F(ShellLinkTest, OtherToolsReadTheFile) {
  if (std::system("command -v lnkinfo >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "lnkinfo (liblnk-utils) is not installed";
  }
  WriteHostFile(drives_.HostPath('C', "Program Files\\Brontel\\Brontel.exe"), "MZ program");
  fs::create_directories(fs::path(link_host_).parent_path());
  {
    const auto link = NewLink();
    SetAll(*link);
    ASSERT_EQ(FileOf(*link)->Save(link_name_.c_str(), true), kS_OK);
  }
  std::map<std::string, std::string> fields;
  FILE* out = ::popen(("lnkinfo '" + link_host_ + "'").c_str(), "r");
  ASSERT_NE(out, nullptr);
  char line[1024];
  while (std::fgets(line, sizeof line, out) != nullptr) {
    std::string text(line);
    const auto colon = text.find(": ");
    const auto start = text.find_first_not_of('\t');
    if (colon == std::string::npos || start == std::string::npos) continue;
    std::string key = text.substr(start, colon - start);
    key.erase(key.find_last_not_of(" \t") + 1);
    std::string value = text.substr(colon + 2);
    value.erase(value.find_last_not_of("\r\n") + 1);
    fields[key] = value;
  }
  ASSERT_EQ(::pclose(out), 0);
  EXPECT_EQ(fields["Local path"], kTarget);
  EXPECT_EQ(fields["Description"], "Brontel 2.02");
  EXPECT_EQ(fields["Working directory"], "Z:\\opt\\setup\\");
  EXPECT_EQ(fields["Command line arguments"], "/readme");
  EXPECT_EQ(fields["Icon location"], "C:\\Windows\\icons.dll");
  EXPECT_EQ(fields["Icon index"], "4");
  EXPECT_EQ(fields["File size"], "10 bytes");
  EXPECT_EQ(fields["Drive type"], "Fixed (3)");
  // The show command and hot key lines of this reader repeat the file size instead of those
  // fields, so their bytes are checked where the format places them.
  const auto bytes = ReadHostFile(link_host_);
  ASSERT_GE(bytes.size(), 0x42u);
  EXPECT_EQ(bytes[0x3C], kSW_SHOWMAXIMIZED);
  EXPECT_EQ(bytes[0x40], 'B');
  EXPECT_EQ(bytes[0x41], kHOTKEYF_CONTROL | kHOTKEYF_ALT);
}

TEST_F(ShellLinkTest, LoadFailuresLeaveTheLinkAsItWas) {
  WriteHostFile(drives_.HostPath('C', "links\\garbage.lnk"), std::string(200, 'x'));
  WriteHostFile(drives_.HostPath('C', "links\\empty.lnk"), "");
  const struct {
    const char* what;
    const char16_t* name;
    HResult expected;
  } cases[] = {
      {"null name", nullptr, kE_INVALIDARG},
      {"empty name", u"", kE_INVALIDARG},
      {"missing file", u"C:\\links\\none.lnk", HResultFromWin32(kErrorFileNotFound)},
      {"not a link", u"C:\\links\\garbage.lnk", HResultFromWin32(kErrorBadFormat)},
      {"empty file", u"C:\\links\\empty.lnk", HResultFromWin32(kErrorBadFormat)},
      {"a folder", u"C:\\links", kE_FAIL},
  };
  for (const auto& c : cases) {
    const auto link = NewLink();
    ASSERT_EQ(link->SetPath(kTarget), kS_OK);
    const HResult result = FileOf(*link)->Load(c.name, kSTGM_READ);
    if (c.expected == kE_FAIL) {
      EXPECT_TRUE(Failed(result)) << c.what;
    } else {
      EXPECT_EQ(result, c.expected) << c.what;
    }
    std::string path;
    link->GetPath(path);
    EXPECT_EQ(path, kTarget) << c.what;
  }
}

TEST_F(ShellLinkTest, SaveFailuresWriteNothing) {
  const auto link = NewLink();
  const auto file = FileOf(*link);
  SetAll(*link);
  EXPECT_EQ(file->Save(u"", true), kE_INVALIDARG);
  EXPECT_EQ(file->Save(nullptr, true), kE_INVALIDARG);  // no current file yet
  EXPECT_TRUE(Failed(file->Save(u"C:\\no such folder\\Brontel.lnk", true)));
  EXPECT_FALSE(fs::exists(drives_.HostPath('C', "no such folder")));
  std::u16string current;
  EXPECT_EQ(file->GetCurFile(current), kS_FALSE);
  EXPECT_EQ(file->IsDirty(), kS_OK);
}

TEST_F(ShellLinkTest, SaveWithoutANameWritesTheCurrentFile) {
  fs::create_directories(fs::path(link_host_).parent_path());
  const auto link = NewLink();
  const auto file = FileOf(*link);
  ASSERT_EQ(link->SetPath("Brontel"), kS_OK);
  ASSERT_EQ(file->Save(link_name_.c_str(), true), kS_OK);
  EXPECT_EQ(file->IsDirty(), kS_FALSE);
  ASSERT_EQ(link->SetDescription("second"), kS_OK);
  EXPECT_EQ(file->IsDirty(), kS_OK);
  ASSERT_EQ(file->Save(nullptr, false), kS_OK);
  const auto recorded = DecodeShellLink(ReadHostFile(link_host_));
  ASSERT_TRUE(recorded.has_value());
  EXPECT_EQ(recorded->target, "Brontel");
  EXPECT_EQ(recorded->description, "second");
}

TEST_F(ShellLinkTest, ResolveNeedsATargetButNotThatItExists) {
  const auto link = NewLink();
  const auto file = FileOf(*link);
  EXPECT_EQ(link->Resolve(0, kSLR_NO_UI | kSLR_ANY_MATCH | kSLR_UPDATE), kE_FAIL);

  fs::create_directories(fs::path(link_host_).parent_path());
  ASSERT_EQ(link->SetPath(kTarget), kS_OK);
  ASSERT_EQ(file->Save(link_name_.c_str(), true), kS_OK);
  const auto loaded = NewLink();
  const auto loaded_file = FileOf(*loaded);
  ASSERT_EQ(loaded_file->Load(link_name_.c_str(), kSTGM_READ), kS_OK);
  EXPECT_EQ(loaded->Resolve(0, kSLR_NO_UI | kSLR_ANY_MATCH | kSLR_UPDATE), kS_OK);
  EXPECT_EQ(loaded_file->IsDirty(), kS_FALSE);  // nothing known about a missing target changed

  // Once the target exists, resolving with update records it.
  WriteHostFile(drives_.HostPath('C', "Program Files\\Brontel\\BRONTEL.EXE"), "MZ");
  EXPECT_EQ(loaded->Resolve(0, kSLR_NO_UI | kSLR_ANY_MATCH | kSLR_UPDATE), kS_OK);
  EXPECT_EQ(loaded_file->IsDirty(), kS_OK);
}

TEST_F(ShellLinkTest, SettersRefuseWhatAFileCannotHold) {
  const auto link = NewLink();
  const std::string longest(kMaxLinkString, 'a');
  const std::string too_long(kMaxLinkString + 1, 'a');
  EXPECT_EQ(link->SetPath(nullptr), kE_INVALIDARG);
  EXPECT_EQ(link->SetArguments(nullptr), kE_INVALIDARG);
  EXPECT_EQ(link->SetDescription(too_long.c_str()), kE_INVALIDARG);
  EXPECT_EQ(link->SetWorkingDirectory(too_long.c_str()), kE_INVALIDARG);
  EXPECT_EQ(link->SetIconLocation(too_long.c_str(), 3), kE_INVALIDARG);
  std::string icon;
  std::int32_t index = -1;
  link->GetIconLocation(icon, index);
  EXPECT_EQ(index, 0);  // a refused icon location leaves the index alone too
  EXPECT_EQ(link->SetDescription(longest.c_str()), kS_OK);
  EXPECT_EQ(link->SetDescription(""), kS_OK);
}

// Every way a save can fail on the disk leaves no file behind, and the caller sees the reason.
TEST_F(ShellLinkTest, DiskFailuresLeaveNoBrokenLinkBehind) {
  fs::create_directories(fs::path(link_host_).parent_path());
  const struct {
    const char* what;
    void (*fault)(testing::FaultFileSystem&);
    HResult expected;
  } cases[] = {
      {"full disk", [](testing::FaultFileSystem& f) { f.SetDiskFull(10); },
       HResultFromWin32(kErrorDiskFull)},
      {"short write",
       [](testing::FaultFileSystem& f) { f.FailWrite(1, testing::WriteFault::kShort); },
       HResultFromWin32(kErrorDiskFull)},
      {"device error",
       [](testing::FaultFileSystem& f) { f.FailWrite(1, testing::WriteFault::kDeviceError); },
       kE_FAIL},
      {"creation refused", [](testing::FaultFileSystem& f) { f.RefuseCreateFile(); },
       HResultFromWin32(kErrorAccessDenied)},
  };
  for (const auto& c : cases) {
    testing::FaultFileSystem faulty(FileSystem::Default());
    c.fault(faulty);
    ComPtr<IShellLinkA> link;
    ASSERT_EQ(CreateShellLinkObject(&faulty, kIID_IShellLinkA, link.PutVoid()), kS_OK);
    SetAll(*link);
    EXPECT_EQ(FileOf(*link)->Save(link_name_.c_str(), true), c.expected) << c.what;
    EXPECT_FALSE(fs::exists(link_host_)) << c.what;
  }
}

}  // namespace
}  // namespace brontel::platform
