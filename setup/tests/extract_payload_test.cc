// The extraction driver on the payload this program carries, with the dialog made by the test:
// what the gauge shows through a whole extraction, and the files' dates and attributes.
#include "setup/extract_payload.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "archive/vondral.h"
#include "platform/dos_time.h"
#include "platform/file_system.h"
#include "setup/install_state.h"
#include "setup/tests/install_fixture.h"
#include "ui/qt/qt_backend.h"

namespace brontel {
namespace {

namespace fs = std::filesystem;
using testing::kPayloadFiles;
using testing::PayloadFile;

class ExtractPayloadTest : public ::testing::Test {
 protected:
  ExtractPayloadTest() : app_(ui::qt::CreateQtBackend()), boxes_(app_) {
    DestDir = "C:\\Brontel";
    BackupReplaced = false;
  }
  ~ExtractPayloadTest() override { frmCopy = nullptr; }

  // Runs the driver in a new dialog and returns what its gauge showed: after each progress
  // report, and as each entry's file is about to be made ("start"), in order.
  std::vector<std::pair<std::string, int>> Extract() {
    app_.CreateForm(frmCopy);
    frmCopy->Show();
    std::vector<std::pair<std::string, int>> seen;
    TShowProgressEvent handler = frmCopy->Vondral1->OnShowProgress;
    frmCopy->Vondral1->OnShowProgress = [&seen, handler](std::int32_t& percentage) {
      handler(percentage);
      seen.emplace_back("progress", frmCopy->Gauge1->Progress());
    };
    frmCopy->Vondral1->OnCheckFile = [&seen](std::string&, TVProcessMode) {
      seen.emplace_back("start", frmCopy->Gauge1->Progress());
    };
    ExtractPayload(*frmCopy);
    seen.emplace_back("end", frmCopy->Gauge1->Progress());
    app_.DestroyForm(frmCopy);
    return seen;
  }

  // The gauge at each entry's start.
  static std::vector<int> Starts(const std::vector<std::pair<std::string, int>>& seen) {
    std::vector<int> starts;
    for (const auto& [what, value] : seen) {
      if (what == "start") starts.push_back(value);
    }
    return starts;
  }

  static void ExpectRisingToAHundred(const std::vector<std::pair<std::string, int>>& seen) {
    ASSERT_FALSE(seen.empty());
    for (std::size_t i = 1; i < seen.size(); ++i) {
      EXPECT_LE(seen[i - 1].second, seen[i].second) << "at " << i;
    }
    // Full only once the last file is under way.
    std::size_t last_start = 0;
    for (std::size_t i = 0; i < seen.size(); ++i) {
      if (seen[i].first == "start") last_start = i;
    }
    for (std::size_t i = 0; i <= last_start; ++i) EXPECT_LT(seen[i].second, 100) << i;
    EXPECT_EQ(seen.back().second, 100);
  }

  testing::InstallEnvironment env_;
  ui::Application app_;
  ui::testing::DialogRecorder boxes_;
};

TEST_F(ExtractPayloadTest, TheGaugeRisesWithThePayloadAndEndsAtAHundred) {
  const auto seen = Extract();
  ExpectRisingToAHundred(seen);
  // Every entry counts one fifth, whether or not its body reports progress, and the first
  // file alone does not fill the gauge.
  EXPECT_EQ(Starts(seen), (std::vector<int>{0, 20, 40, 60, 80}));
  // The first file is coded and big enough to report many times on its way to 20.
  std::size_t first_file_reports = 0;
  for (std::size_t i = 1; i < seen.size() && seen[i].first == "progress"; ++i) {
    ++first_file_reports;
    EXPECT_LE(seen[i].second, 20);
  }
  EXPECT_GT(first_file_reports, 10u);
  EXPECT_EQ(seen[first_file_reports].second, 20);
  EXPECT_TRUE(boxes_.Boxes().empty());
  EXPECT_EQ(FileCount, 5);
}

TEST_F(ExtractPayloadTest, AKeptSiteDatabaseCountsAsDone) {
  Extract();
  boxes_.Answer(ui::ModalResult::kYes);
  const auto seen = Extract();
  ExpectRisingToAHundred(seen);
  // Nothing is made for the kept file; the next one starts at four fifths.
  EXPECT_EQ(Starts(seen), (std::vector<int>{0, 20, 40, 80}));
  ASSERT_EQ(boxes_.Boxes().size(), 1u);
  EXPECT_EQ(boxes_.Boxes()[0].text, testing::kKeepQuestion);
}

TEST_F(ExtractPayloadTest, FilesGetTheirContentDateAndAttributesFromTheArchive) {
  Extract();
  // The archive as listed by the component.
  TVondral archive;
  const auto stream = TVondral::OpenResourceStream("data", "");
  TStringList entries;
  archive.ScanCompressedStream(*stream, entries);
  ASSERT_EQ(entries.Lines(), kPayloadFiles);

  platform::FileSystem& files = *platform::FileSystem::Default();
  constexpr std::uint32_t kKept = platform::kAttrReadOnly | platform::kAttrHidden |
                                  platform::kAttrSystem | platform::kAttrArchive;
  for (int i = 0; i < entries.Count(); ++i) {
    const std::string& name = entries.Strings(i);
    SCOPED_TRACE(name);
    const auto* info = dynamic_cast<const TVondralFileInfo*>(entries.Objects(i));
    ASSERT_NE(info, nullptr);
    const std::string host = env_.OnC("Brontel\\" + name);
    EXPECT_EQ(testing::ReadHostFile(host), PayloadFile(name));
    struct stat status {};
    ASSERT_EQ(::stat(host.c_str(), &status), 0);
    EXPECT_EQ(platform::TimeToDosDateTime(status.st_mtime), info->FileDate);
    const auto attributes = files.GetAttributes("C:\\Brontel\\" + name);
    ASSERT_TRUE(attributes.has_value());
    EXPECT_EQ(*attributes & kKept, info->Attributes & kKept);
  }
}

}  // namespace
}  // namespace brontel
