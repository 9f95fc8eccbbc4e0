// The payload as the installer sees it: the archive linked into this test's own executable,
// opened by resource name, listed and expanded.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "archive/vondral.h"
#include "base/exception.h"
#include "platform/testing/temp_drive_map.h"

#ifndef BRONTEL_PAYLOAD_DIR
#error "the build names the payload folder"
#endif

namespace brontel {
namespace {

std::string ReadHost(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(PayloadTest, ListsTheFiveFilesInArchiveOrder) {
  TVondral vondral;
  const auto stream = TVondral::OpenResourceStream("data", "");
  TStringList files;
  vondral.ScanCompressedStream(*stream, files);
  ASSERT_EQ(files.Lines(), (std::vector<std::string>{"Brontel.exe", "Brontel.hlp", "readme.txt",
                                                     "SITES.INI", "versions.txt"}));
  std::int64_t total = 0;
  for (int i = 0; i < files.Count(); ++i) {
    const auto& info = dynamic_cast<const TVondralFileInfo&>(*files.Objects(i));
    EXPECT_EQ(info.Method, 2) << files.Strings(i);
    EXPECT_EQ(info.Attributes & 0x20, 0x20) << files.Strings(i);
    EXPECT_FALSE(info.Locked);
    EXPECT_EQ(info.OriginalSize, static_cast<std::int64_t>(std::filesystem::file_size(
                                     std::string(BRONTEL_PAYLOAD_DIR) + "/" + files.Strings(i))));
    total += info.OriginalSize;
  }
  // The archive ends right after the last body.
  const auto& last = dynamic_cast<const TVondralFileInfo&>(*files.Objects(4));
  EXPECT_EQ(last.HeaderPosition + 25 + 12 + last.CompressedSize, stream->Size());
  EXPECT_GT(total, 400000);
}

TEST(PayloadTest, ExpandsOneFileAtATimeAsTheInstallerDoes) {
  platform::testing::TempDriveMap drive;
  TVondral vondral;
  const auto stream = TVondral::OpenResourceStream("DATA", "");
  vondral.MakeDirectories = true;
  vondral.SetTargetPath("C:\\Program Files\\Brontel");
  TStringList names;
  vondral.ScanCompressedStream(*stream, names);
  int progress_calls = 0;
  vondral.OnShowProgress = [&](std::int32_t&) { ++progress_calls; };
  for (int i = 0; i < names.Count(); ++i) {
    TStringList one = {names.Strings(i)};
    vondral.ExpandFilesFromStream(*stream, &one);
    ASSERT_EQ(one.Lines(),
              std::vector<std::string>{"C:\\Program Files\\Brontel\\" + names.Strings(i)});
    EXPECT_EQ(ReadHost(drive.HostPath('c', "Program Files/Brontel/" + names.Strings(i))),
              ReadHost(std::string(BRONTEL_PAYLOAD_DIR) + "/" + names.Strings(i)))
        << names.Strings(i);
  }
  EXPECT_GT(progress_calls, 5);
}

TEST(PayloadTest, AStreamFromALibraryKeepsTheLibraryLoaded) {
  // The stream is the only holder of the library once OpenResourceStream returns.
  const auto stream = TVondral::OpenResourceStream("Data", BRONTEL_PAYLOAD_MODULE);
  const auto own = TVondral::OpenResourceStream("data", "");
  ASSERT_EQ(stream->Size(), own->Size());
  std::vector<unsigned char> from_library(static_cast<std::size_t>(stream->Size()));
  std::vector<unsigned char> from_executable(from_library.size());
  stream->ReadBuffer(from_library.data(), static_cast<std::int32_t>(from_library.size()));
  own->ReadBuffer(from_executable.data(), static_cast<std::int32_t>(from_executable.size()));
  EXPECT_EQ(from_library, from_executable);
  TVondral vondral;
  TStringList files;
  vondral.ScanCompressedStream(*stream, files);
  EXPECT_EQ(files.Count(), 5);
}

TEST(PayloadTest, MissingResourcesAndModulesRaise) {
  try {
    TVondral::OpenResourceStream("nothing", "");
    FAIL() << "no exception";
  } catch (const EResNotFound& e) {
    EXPECT_EQ(e.Message(), "Resource nothing not found");
  }
  try {
    TVondral::OpenResourceStream("data", "no-such-module.so");
    FAIL() << "no exception";
  } catch (const EResNotFound&) {
    FAIL() << "the module should not have loaded";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Could not load no-such-module.so DLL");
  }
}

}  // namespace
}  // namespace brontel
