// An installer whose payload has a damaged entry: readme.txt, the third file, does not add up to
// its checksum. The failure is shown in the application's error box and stops the sequence.
#include <gtest/gtest.h>

#include <filesystem>

#include "setup/copy_form.h"
#include "setup/tests/install_fixture.h"
#include "ui/qt/user_input.h"

namespace brontel {
namespace {

namespace fs = std::filesystem;
using ui::ModalResult;

using BadChecksumTest = testing::InstallTest;

TEST_F(BadChecksumTest, TheErrorIsShownAndTheSequenceStopsWithTheDialogOnScreen) {
  Answer({ModalResult::kYes, ModalResult::kNo});
  boxes_->SetFallback(ModalResult::kYes);  // a shortcut question would be answered Yes
  Install();

  const auto& boxes = boxes_->Boxes();
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[1].text, testing::kBackupQuestion);
  EXPECT_EQ(boxes[2].title, "Setup");
  EXPECT_EQ(boxes[2].kind, ui::MsgDlgType::kError);
  EXPECT_EQ(boxes[2].icon, ui::MsgIcon::kStop);
  EXPECT_EQ(boxes[2].buttons, ui::mbOK);
  EXPECT_EQ(boxes[2].text, "Bad checksum during expansion -- data may be invalid.");

  // The dialog stays, on top, with the file it was working on; the window has no panel.
  ASSERT_NE(frmCopy, nullptr);
  EXPECT_TRUE(frmCopy->Visible());
  EXPECT_EQ(frmCopy->Label1->Caption(), "Extracting: readme.txt");
  EXPECT_FALSE(frmMain->PathPanel->Visible());
  EXPECT_FALSE(frmMain->WelcomePanel->Visible());
  EXPECT_FALSE(app_->Terminated());

  // Files before it stay; files after it are not touched.
  EXPECT_EQ(Installed("Brontel.exe"), testing::PayloadFile("Brontel.exe"));
  EXPECT_EQ(Installed("Brontel.hlp"), testing::PayloadFile("Brontel.hlp"));
  EXPECT_FALSE(fs::exists(env_.OnC("Program Files\\Brontel\\SITES.INI")));
  EXPECT_FALSE(fs::exists(env_.OnC("Program Files\\Brontel\\versions.txt")));
  EXPECT_FALSE(fs::exists(env_.LinkFile()));
  EXPECT_TRUE(process_.started.empty());

  // The dialog can still be hidden with its Cancel button.
  ui::qt::testing::Click(*frmCopy->btnCopyCancel);
  EXPECT_FALSE(frmCopy->Visible());
}

}  // namespace
}  // namespace brontel
