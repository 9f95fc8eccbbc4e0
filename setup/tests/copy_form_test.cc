// The extraction dialog made from its layout with the real archive component: the component's
// settings, the progress handler's gauge arithmetic, Cancel, and the site database's name.
#include "setup/copy_form.h"

#include <gtest/gtest.h>

#include "setup/extract_payload.h"
#include "setup/install_state.h"
#include "setup/main_form.h"
#include "ui/application.h"
#include "ui/qt/qt_backend.h"
#include "ui/qt/user_input.h"

namespace brontel {
namespace {

class CopyFormTest : public ::testing::Test {
 protected:
  // The main window first, as in the installer: the dialog is never the main form.
  CopyFormTest() : app_(ui::qt::CreateQtBackend()) {
    app_.CreateForm(frmMain);
    app_.CreateForm(frmCopy);
  }
  ~CopyFormTest() override {
    frmCopy = nullptr;
    frmMain = nullptr;
  }

  // What the component does while it decodes a body.
  int Report(std::int32_t percentage) {
    frmCopy->Vondral1->OnShowProgress(percentage);
    return frmCopy->Gauge1->Progress();
  }

  ui::Application app_;
};

TEST_F(CopyFormTest, TheArchiveComponentTakesItsSettingsFromTheLayout) {
  ASSERT_NE(frmCopy->Vondral1, nullptr);
  EXPECT_EQ(frmCopy->Vondral1->ClassName(), "TVondral");
  EXPECT_TRUE(frmCopy->Vondral1->MakeDirectories);
  EXPECT_FALSE(frmCopy->Vondral1->ExceptionOnFileError);
  EXPECT_EQ(frmCopy->Vondral1->Key, 0);
  EXPECT_EQ(&frmCopy->Vondral1->FileSystem(), &app_.FileSystem());
  EXPECT_TRUE(frmCopy->Vondral1->OnShowProgress);
  EXPECT_EQ(frmCopy->Label1->Caption(), ".");
  EXPECT_EQ(frmCopy->Gauge1->Progress(), 0);
}

// The gauge shows the share of the whole payload: every entry counts 1/FileCount, the current
// one by the percentage of its body so far. Each report is a running percentage of one body, so
// a report never adds to the one before.
TEST_F(CopyFormTest, TheGaugeShowsTheShareOfThePayloadDone) {
  FileCount = 5;
  // A body of 20,000 bytes reports 40, 81 and 100.
  EXPECT_EQ(Report(40), 8);
  EXPECT_EQ(Report(81), 16);
  EXPECT_EQ(Report(100), 20);
  frmCopy->EntryDone(0);
  EXPECT_EQ(frmCopy->Gauge1->Progress(), 20);

  frmCopy->BeginEntry(1);
  EXPECT_EQ(Report(0), 20);
  EXPECT_EQ(Report(40), 28);
  EXPECT_EQ(Report(20), 28) << "the gauge never goes back";
  EXPECT_EQ(Report(500), 40) << "a body counts at most whole";
  EXPECT_EQ(Report(-7), 40);
  // Entries that report nothing (stored bodies, a kept file) still count when done.
  frmCopy->EntryDone(1);
  frmCopy->BeginEntry(2);
  frmCopy->EntryDone(2);
  frmCopy->BeginEntry(3);
  frmCopy->EntryDone(3);
  EXPECT_EQ(frmCopy->Gauge1->Progress(), 80);
  frmCopy->BeginEntry(4);
  EXPECT_EQ(Report(99), 99);
  frmCopy->EntryDone(4);
  EXPECT_EQ(frmCopy->Gauge1->Progress(), 100);
}

TEST_F(CopyFormTest, ThirdsReachAHundredOnlyWithTheLastEntry) {
  FileCount = 3;
  frmCopy->EntryDone(0);
  EXPECT_EQ(frmCopy->Gauge1->Progress(), 33);
  frmCopy->BeginEntry(1);
  frmCopy->EntryDone(1);
  EXPECT_EQ(frmCopy->Gauge1->Progress(), 66);
  frmCopy->BeginEntry(2);
  EXPECT_EQ(Report(100), 100);
}

TEST_F(CopyFormTest, ManyEntriesDoNotOverflow) {
  FileCount = 0x7FFFFFFF;
  frmCopy->BeginEntry(0x7FFFFFFE);
  EXPECT_EQ(Report(100), 100);
}

TEST_F(CopyFormTest, WithoutEntriesTheGaugeStaysAtNought) {
  FileCount = 0;
  EXPECT_EQ(Report(100), 0);
}

TEST_F(CopyFormTest, CancelOnlyHidesTheDialog) {
  ASSERT_TRUE(ui::qt::testing::ActivateWindow(*frmCopy));
  ui::qt::testing::Click(*frmCopy->btnCopyCancel);
  EXPECT_FALSE(frmCopy->Visible());
  EXPECT_FALSE(app_.Terminated());
  EXPECT_NE(frmCopy, nullptr);
}

TEST(SiteDatabaseTest, OnlyTheWholeNameInAnyCaseCounts) {
  struct Case {
    const char* name;
    bool is_site_database;
  };
  for (const Case& c : {Case{"SITES.INI", true}, Case{"sites.ini", true}, Case{"Sites.Ini", true},
                        Case{"data\\SITES.INI", false}, Case{"SITES.INI ", false},
                        Case{"SITES.IN", false}, Case{"SITES_INI", false}, Case{"", false}}) {
    EXPECT_EQ(IsSiteDatabase(c.name), c.is_site_database) << c.name;
  }
}

}  // namespace
}  // namespace brontel
