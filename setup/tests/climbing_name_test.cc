// An installer whose payload names an entry "..\outside.txt": the name would place the file
// beside the destination folder rather than in it. Nothing outside the folder may be moved or
// deleted on its account.
#include <gtest/gtest.h>

#include <filesystem>

#include "setup/copy_form.h"
#include "setup/tests/install_fixture.h"

namespace brontel {
namespace {

namespace fs = std::filesystem;
using ui::ModalResult;

using ClimbingNameTest = testing::InstallTest;

TEST_F(ClimbingNameTest, TheEntryIsRefusedBeforeTheFileBesideTheFolderIsTouched) {
  fs::create_directories(env_.OnC("Program Files\\Brontel"));
  const std::string victim = env_.OnC("Program Files\\outside.txt");
  testing::WriteHostFile(victim, "someone else's file");
  Answer({ModalResult::kYes});  // backups
  Install();

  const auto& boxes = boxes_->Boxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].title, "Setup");
  EXPECT_EQ(boxes[1].text, "Entry name leaves the target folder: \"..\\outside.txt\".");
  EXPECT_EQ(testing::ReadHostFile(victim), "someone else's file");
  EXPECT_FALSE(fs::exists(env_.OnC("Program Files\\Brontel\\Backup")));
  EXPECT_EQ(Installed("Brontel.hlp"), testing::PayloadFile("Brontel.hlp"));
  EXPECT_FALSE(fs::exists(env_.OnC("Program Files\\Brontel\\SITES.INI")));
}

}  // namespace
}  // namespace brontel
