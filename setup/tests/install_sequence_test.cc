// The installation sequence from the folder panel's Continue to the end of the program, each run
// in a drive map of its own and installing for real from the payload this program carries.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file_system.h"
#include "setup/copy_form.h"
#include "setup/install_state.h"
#include "setup/tests/install_fixture.h"
#include "ui/qt/user_input.h"

namespace brontel {
namespace {

namespace fs = std::filesystem;
namespace input = ui::qt::testing;
using testing::kPayloadFiles;
using testing::PayloadFile;
using ui::ModalResult;
using ui::MsgDlgType;
constexpr ModalResult kYes = ModalResult::kYes;
constexpr ModalResult kNo = ModalResult::kNo;

class InstallSequenceTest : public testing::InstallTest {
 protected:
  // A first installation into the default folder: no backups, no shortcut, no README.
  void FirstInstall() {
    Start();
    Answer({kYes, kNo, kNo, kNo});
    Install();
    ASSERT_EQ(Installed("versions.txt"), PayloadFile("versions.txt"));
    Start();
  }
};

TEST_F(InstallSequenceTest, AFreshInstallCreatesTheFolderAndExpandsEveryFile) {
  // The folder's parent is missing too: the one-level creation fails, and the extraction makes
  // the whole chain as it writes the first file.
  struct Case {
    bool parent_exists;
  };
  for (const Case c : {Case{true}, Case{false}}) {
    SCOPED_TRACE(c.parent_exists ? "parent exists" : "parent missing");
    fs::remove_all(env_.OnC("Program Files"));
    if (c.parent_exists) fs::create_directory(env_.OnC("Program Files"));
    Start();
    // One level only: the folder is there at the next question when its parent was.
    bool folder_at_backup_question = false;
    boxes_->SetWatcher([&](const ui::MessageBoxRequest& box) {
      if (box.text == testing::kBackupQuestion) {
        folder_at_backup_question = fs::is_directory(env_.OnC("Program Files\\Brontel"));
      }
    });
    Answer({kYes, kYes, kNo, kNo});
    Install();
    EXPECT_EQ(folder_at_backup_question, c.parent_exists);

    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                              "The directory C:\\Program Files\\Brontel does not exist. Create it?",
                              testing::kBackupQuestion, testing::kShortcutQuestion,
                              testing::kReadmeQuestion, testing::kComplete}));
    const auto& boxes = boxes_->Boxes();
    ASSERT_EQ(boxes.size(), 5u);
    for (int i : {0, 1, 2}) {
      EXPECT_EQ(boxes[i].kind, MsgDlgType::kConfirmation);
      EXPECT_EQ(boxes[i].buttons, ui::mbYes | ui::mbNo);
    }
    EXPECT_EQ(boxes[3].kind, MsgDlgType::kInformation);
    EXPECT_EQ(boxes[3].buttons, ui::mbYes | ui::mbNo);
    EXPECT_EQ(boxes[4].kind, MsgDlgType::kCustom);
    EXPECT_EQ(boxes[4].title, "Setup");
    EXPECT_EQ(boxes[4].buttons, ui::mbOK);

    for (const auto& name : kPayloadFiles) EXPECT_EQ(Installed(name), PayloadFile(name)) << name;
    // Backups were asked for, but nothing was replaced.
    EXPECT_FALSE(BackupFolderExists());
    EXPECT_EQ(DestDir, "C:\\Program Files\\Brontel");
    EXPECT_EQ(DestDirSlash, "C:\\Program Files\\Brontel\\");
    EXPECT_EQ(FileCount, 5);
    EXPECT_TRUE(BackupReplaced);
    EXPECT_FALSE(frmMain->PathPanel->Visible());
    EXPECT_EQ(frmCopy, nullptr);
    EXPECT_FALSE(fs::exists(env_.LinkFile()));
    EXPECT_TRUE(process_.started.empty());
    EXPECT_TRUE(app_->Terminated());
    // Ended without the close confirmation.
    EXPECT_TRUE(frmMain->Visible());
  }
}

TEST_F(InstallSequenceTest, DecliningTheFolderCreationLeavesThePanelForAnotherTry) {
  Answer({kNo});
  Install("C:\\Elsewhere\\Brontel");
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{
                            "The directory C:\\Elsewhere\\Brontel does not exist. Create it?"});
  EXPECT_TRUE(frmMain->PathPanel->Visible());
  EXPECT_EQ(frmMain->txtDestPath->Text(), "C:\\Elsewhere\\Brontel");
  EXPECT_FALSE(fs::exists(env_.OnC("Elsewhere")));
  EXPECT_FALSE(app_->Terminated());

  // A folder that exists is not offered for creation: the first question is the backup one.
  fs::create_directories(env_.OnC("Existing"));
  Answer({kNo, kNo, kNo});
  frmMain->txtDestPath->SetText("C:\\existing");
  input::Click(*frmMain->btnDirContinue);
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                            "The directory C:\\Elsewhere\\Brontel does not exist. Create it?",
                            testing::kBackupQuestion, testing::kShortcutQuestion,
                            testing::kReadmeQuestion, testing::kComplete}));
  EXPECT_EQ(DestDir, "C:\\existing");
  EXPECT_EQ(testing::ReadHostFile(env_.OnC("Existing\\readme.txt")), PayloadFile("readme.txt"));
  EXPECT_TRUE(app_->Terminated());
}

// Installing over an installation with backups on: each replaced file moves into "Backup"; the
// site database question comes first for SITES.INI.
TEST_F(InstallSequenceTest, ASecondInstallMovesReplacedFilesIntoBackup) {
  for (const bool keep : {true, false}) {
    SCOPED_TRACE(keep ? "kept" : "replaced");
    fs::remove_all(env_.OnC("Program Files"));
    FirstInstall();
    MarkInstalledFiles("old");

    // The label names the site database while its question is open.
    std::string label_at_question;
    boxes_->SetWatcher([&](const ui::MessageBoxRequest& box) {
      if (box.text == testing::kKeepQuestion) label_at_question = frmCopy->Label1->Caption();
    });
    Answer({kYes, keep ? kYes : kNo, kNo, kNo});
    Install();
    EXPECT_EQ(BoxTexts(),
              (std::vector<std::string>{testing::kBackupQuestion, testing::kKeepQuestion,
                                        testing::kShortcutQuestion, testing::kReadmeQuestion,
                                        testing::kComplete}));

    EXPECT_EQ(label_at_question, "Extracting: SITES.INI");
    for (const auto& name : kPayloadFiles) {
      SCOPED_TRACE(name);
      EXPECT_EQ(BackedUp(name), "old " + name);
      EXPECT_EQ(Installed(name), keep && name == "SITES.INI" ? "old SITES.INI" : PayloadFile(name));
    }
    EXPECT_TRUE(app_->Terminated());
  }
}

TEST_F(InstallSequenceTest, AThirdInstallKeepsTheEarlierBackups) {
  FirstInstall();
  MarkInstalledFiles("first");
  Answer({kYes, kNo, kNo, kNo});  // backups; the site database replaced
  Install();
  Start();
  MarkInstalledFiles("second");

  Answer({kYes, kYes, kNo, kNo});  // backups; the site database kept
  Install();

  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{testing::kBackupQuestion, testing::kKeepQuestion,
                                                  testing::kShortcutQuestion,
                                                  testing::kReadmeQuestion, testing::kComplete}));
  for (const auto& name : kPayloadFiles) {
    SCOPED_TRACE(name);
    if (name == "SITES.INI") {
      // Kept, and copied over its earlier backup.
      EXPECT_EQ(Installed(name), "second SITES.INI");
      EXPECT_EQ(BackedUp(name), "second SITES.INI");
    } else {
      // The move found an earlier backup, which stays; the file was replaced all the same.
      EXPECT_EQ(Installed(name), PayloadFile(name));
      EXPECT_EQ(BackedUp(name), "first " + name);
    }
  }
}

TEST_F(InstallSequenceTest, WithoutBackupsReplacedFilesAreDeleted) {
  FirstInstall();
  MarkInstalledFiles("old");
  Answer({kNo, kYes, kNo, kNo});  // no backups; the site database kept
  Install();
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{testing::kBackupQuestion, testing::kKeepQuestion,
                                                  testing::kShortcutQuestion,
                                                  testing::kReadmeQuestion, testing::kComplete}));
  EXPECT_FALSE(BackupFolderExists());
  for (const auto& name : kPayloadFiles) {
    EXPECT_EQ(Installed(name), name == "SITES.INI" ? "old SITES.INI" : PayloadFile(name)) << name;
  }
}

TEST_F(InstallSequenceTest, TheShortcutAndTheReadme) {
  Answer({kYes, kNo, kYes, kYes});
  Install();
  EXPECT_EQ(BoxTexts().back(), testing::kComplete);

  const TShellLinkInfo link = testing::ReadLink(std::string(testing::kPrograms) + "\\Brontel.lnk");
  EXPECT_EQ(link.Path, "C:\\Program Files\\Brontel\\BRONTEL.EXE");
  EXPECT_EQ(link.Description, "C:\\Program Files\\Brontel\\BRONTEL.EXE");
  EXPECT_EQ(link.IconLocation, "C:\\Program Files\\Brontel\\BRONTEL.EXE");
  EXPECT_EQ(link.IconIndex, 0);
  EXPECT_EQ(link.Arguments, "");
  EXPECT_EQ(link.Hotkey, 0);
  // The installer's own folder, not the destination.
  const std::string own = process_.ExecutablePath();
  EXPECT_EQ(link.WorkingDirectory, own.substr(0, own.find_last_of('\\') + 1));

  // The desktop's opener on the installed README, by its host path, without a shell.
  const std::string readme = env_.OnC("Program Files\\Brontel\\readme.txt");
  ASSERT_EQ(process_.started.size(), 1u);
  EXPECT_EQ(process_.started[0], (std::vector<std::string>{"xdg-open", readme}));
  EXPECT_TRUE(fs::is_regular_file(readme));
  EXPECT_TRUE(app_->Terminated());
}

TEST_F(InstallSequenceTest, CancelHidesTheDialogAndTheExtractionGoesOn) {
  bool hidden_while_extracting = false;
  boxes_->SetWatcher([&](const ui::MessageBoxRequest& box) {
    if (box.text != testing::kBackupQuestion) return;
    // Runs when the dialog lets messages through before its first file.
    app_->Post([&] {
      input::Click(*frmCopy->btnCopyCancel);
      hidden_while_extracting = !frmCopy->Visible();
    });
  });
  Answer({kYes, kYes, kNo, kNo});
  Install();
  EXPECT_TRUE(hidden_while_extracting);
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                            "The directory C:\\Program Files\\Brontel does not exist. Create it?",
                            testing::kBackupQuestion, testing::kShortcutQuestion,
                            testing::kReadmeQuestion, testing::kComplete}));
  for (const auto& name : kPayloadFiles) EXPECT_EQ(Installed(name), PayloadFile(name)) << name;
  EXPECT_TRUE(app_->Terminated());
}

// Closing the main window while files are extracted: the extraction finishes, every question
// after the confirmed close answers itself as not Yes, and the program ends.
TEST_F(InstallSequenceTest, AConfirmedCloseDuringTheExtraction) {
  FirstInstall();
  MarkInstalledFiles("old");
  boxes_->SetWatcher([&](const ui::MessageBoxRequest& box) {
    if (box.text == testing::kBackupQuestion) app_->Post([] { input::CloseWindow(*frmMain); });
  });
  boxes_->SetFallback(kYes);  // any box that still asks, the close confirmation included
  Install();

  const auto& boxes = boxes_->Boxes();
  ASSERT_EQ(boxes.size(), 6u);
  EXPECT_EQ(boxes[0].text, testing::kBackupQuestion);
  EXPECT_EQ(boxes[1].text, testing::kCloseQuestion);
  EXPECT_FALSE(boxes[1].closed_by_termination);
  const std::vector<std::string> closed = {testing::kKeepQuestion, testing::kShortcutQuestion,
                                           testing::kReadmeQuestion, testing::kComplete};
  for (std::size_t i = 0; i < closed.size(); ++i) {
    EXPECT_EQ(boxes[i + 2].text, closed[i]);
    EXPECT_TRUE(boxes[i + 2].closed_by_termination) << closed[i];
  }
  // The site database was not kept: it was moved into the backup and expanded anew.
  for (const auto& name : kPayloadFiles) {
    EXPECT_EQ(Installed(name), PayloadFile(name)) << name;
    EXPECT_EQ(BackedUp(name), "old " + name) << name;
  }
  EXPECT_FALSE(fs::exists(env_.LinkFile()));
  EXPECT_TRUE(process_.started.empty());
  EXPECT_FALSE(frmMain->Visible());
  EXPECT_TRUE(app_->Terminated());
}

class NoProgramsValueTest : public testing::InstallTest {
 protected:
  NoProgramsValueTest() : InstallTest(testing::Registry::kNoProgramsValue) {}
};

TEST_F(NoProgramsValueTest, TheShortcutFailsWithTheRegistryMessageAndTheSequenceStops) {
  Answer({kYes, kNo, kYes, kYes});
  Install();
  ASSERT_EQ(boxes_->Boxes().size(), 4u);
  const auto& error = boxes_->Boxes()[3];
  EXPECT_EQ(error.title, "Setup");
  EXPECT_EQ(error.icon, ui::MsgIcon::kStop);
  EXPECT_EQ(error.text, "\"Programs\" item not found in registry.");
  EXPECT_EQ(testing::LinkFilesBelow(env_.Drives().Root()), 0);
  EXPECT_TRUE(process_.started.empty());
  EXPECT_FALSE(app_->Terminated());
  EXPECT_EQ(Installed("readme.txt"), PayloadFile("readme.txt"));
}

// A desktop without a Windows registry: the Programs folder is the desktop's applications folder
// below HOME, which a fresh account may not have yet.
class DesktopProgramsTest : public testing::InstallTest {
 protected:
  DesktopProgramsTest() : InstallTest(testing::Registry::kNoUserReg) {}
};

TEST_F(DesktopProgramsTest, TheShortcutGoesIntoTheApplicationsFolderMadeOnTheWay) {
  const std::string applications = env_.Drives().Home() + "/.local/share/applications";
  ASSERT_FALSE(fs::exists(env_.Drives().Home() + "/.local"));
  Answer({kYes, kNo, kYes, kNo});
  Install();
  EXPECT_EQ(BoxTexts().back(), testing::kComplete);
  ASSERT_TRUE(fs::is_regular_file(applications + "/Brontel.lnk"));
  const std::string link_file =
      platform::FileSystem::Default()->FromHostPath(applications) + "\\Brontel.lnk";
  EXPECT_EQ(testing::ReadLink(link_file).Path, "C:\\Program Files\\Brontel\\BRONTEL.EXE");
}

}  // namespace
}  // namespace brontel
