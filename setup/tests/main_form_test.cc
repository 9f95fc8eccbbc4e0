#include "setup/main_form.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file_system.h"
#include "platform/testing/temp_drive_map.h"
#include "ui/application.h"
#include "ui/qt/qt_backend.h"
#include "ui/qt/user_input.h"
#include "ui/testing/dialog_recorder.h"

namespace brontel {
namespace {

namespace input = ui::qt::testing;
using ui::ModalResult;

constexpr char kCloseQuestion[] =
    "Setup is not complete.  If you abort now, the program may not run properly.  Are you sure "
    "you want to cancel installation? ";

// Drive c: holds Work\Tools and the process starts in C:\Work; d: is an empty drive and x: a
// drive without a medium.
class MainFormTest : public ::testing::Test {
 protected:
  MainFormTest() {
    std::filesystem::create_directories(map_.HostPath('c', "Work/Tools"));
    map_.AddDrive('d');
    map_.AddMissingDrive('x');
    Restart();
  }
  ~MainFormTest() override { Stop(); }

  // A fresh application and main window, started in C:\Work.
  void Restart() {
    Stop();
    EXPECT_FALSE(platform::FileSystem::Default()->SetCurrentDirectory("C:\\Work"));
    app_ = std::make_unique<ui::Application>(ui::qt::CreateQtBackend());
    app_->SetTitle("Setup");
    boxes_ = std::make_unique<ui::testing::DialogRecorder>(*app_);
    app_->CreateForm(frmMain);
    form_ = frmMain;
  }
  void Stop() {
    boxes_.reset();
    app_.reset();
    frmMain = nullptr;
    form_ = nullptr;
    SavedDrive = 0;
  }

  // Shows the window and presses Continue on the welcome panel.
  void ToFolderPanel() {
    ASSERT_TRUE(input::ActivateWindow(*form_));
    input::Click(*form_->btnContinue);
    ASSERT_TRUE(form_->PathPanel->Visible());
  }

  int LineOf(const std::string& text) const {
    const auto& items = form_->dir->Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (items[i].text == text) return static_cast<int>(i);
    }
    ADD_FAILURE() << "no line " << text;
    return -1;
  }
  int DriveLine(char letter) const {
    const auto& items = form_->drive->Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (items[i].front() == letter) return static_cast<int>(i);
    }
    ADD_FAILURE() << "no drive " << letter;
    return -1;
  }

  platform::testing::TempDriveMap map_;
  std::unique_ptr<ui::Application> app_;
  std::unique_ptr<ui::testing::DialogRecorder> boxes_;
  TfrmMain* form_ = nullptr;
};

TEST_F(MainFormTest, AFreshStartShowsTheWelcomePanel) {
  EXPECT_EQ(form_->Caption(), "Brontel Setup");
  EXPECT_EQ(form_->lblTopName->Caption(), "Brontel 2.02");
  EXPECT_EQ(form_->lblShadowName->Caption(), "Brontel 2.02");
  EXPECT_EQ(form_->Label3->Caption(), "by: Quorvane, Inc.");
  EXPECT_EQ(form_->Label4->Caption(), "by: Quorvane, Inc.");
  EXPECT_EQ(form_->lblWelcome->Caption(), "Welcome to Brontel Setup!");
  EXPECT_EQ(form_->lblProgram->Caption(), "This program will install Brontel on your system.");
  EXPECT_EQ(form_->Label1->Caption(), "Click Cancel to abort.");
  EXPECT_EQ(form_->lblDestDir->Caption(), "Select a directory  for installation:");
  EXPECT_EQ(form_->btnContinue->Caption(), "Continue");
  EXPECT_EQ(form_->btnDirContinue->Caption(), "Continue");
  EXPECT_EQ(form_->btnCancel->Caption(), "Cancel");
  EXPECT_EQ(form_->btnDestCancel->Caption(), "Cancel");
  EXPECT_EQ(form_->Gradient1->ColorStart(), ui::clBlue);
  EXPECT_EQ(form_->Gradient1->ColorEnd(), ui::clBlack);
  EXPECT_EQ(form_->Gradient1->ColorTable()[0], ui::clBlue);
  EXPECT_EQ(form_->lblTopName->GetFont().name, "Times New Roman");
  EXPECT_EQ(form_->GetWindowState(), ui::WindowState::kMaximized);
  EXPECT_EQ(form_->GetBorderIcons(), (ui::BorderIcons{true, false, false}));
  EXPECT_EQ(form_->dir->Directory(), "c:\\work");  // reported in small letters from the start
  EXPECT_TRUE(boxes_->Boxes().empty());

  // Placed from the restored size 675 × 426, and left there when the window is maximised.
  auto expect_places = [this] {
    EXPECT_EQ(form_->WelcomePanel->Left(), 190);
    EXPECT_EQ(form_->WelcomePanel->Top(), 111);
    EXPECT_EQ(form_->PathPanel->Left(), 180);
    EXPECT_EQ(form_->PathPanel->Top(), 77);
  };
  expect_places();
  form_->Show();
  app_->ProcessMessages();
  EXPECT_GT(form_->Width(), 675);
  expect_places();
  EXPECT_TRUE(form_->WelcomePanel->Showing());
  EXPECT_TRUE(form_->btnContinue->Showing());
  EXPECT_FALSE(form_->PathPanel->Showing());
  EXPECT_FALSE(form_->txtDestPath->Showing());
  EXPECT_EQ(form_->Gradient1->Width(), form_->ClientWidth());
  EXPECT_EQ(form_->Gradient1->Height(), form_->ClientHeight());
}

TEST_F(MainFormTest, ContinueShowsTheFolderPanelWithTheFixedFolder) {
  ToFolderPanel();
  EXPECT_FALSE(form_->WelcomePanel->Visible());
  EXPECT_TRUE(form_->txtDestPath->Showing());
  EXPECT_EQ(form_->txtDestPath->Text(), "C:\\Program Files\\Brontel");
  EXPECT_EQ(form_->dir->Directory(), "c:\\work");
}

TEST_F(MainFormTest, AFolderPickedInTheListReplacesTheText) {
  ToFolderPanel();
  input::TypeText(*form_->txtDestPath, "\\elsewhere");
  input::DoubleClickItem(*form_->dir, LineOf("Tools"));
  EXPECT_EQ(form_->txtDestPath->Text(), "c:\\work\\Tools\\Brontel");
  input::DoubleClickItem(*form_->dir, 0);
  EXPECT_EQ(form_->dir->Directory(), "c:\\");
  EXPECT_EQ(form_->txtDestPath->Text(), "c:\\Brontel");  // no doubled backslash at a root
  EXPECT_TRUE(boxes_->Boxes().empty());
}

TEST_F(MainFormTest, AnotherDriveMovesTheList) {
  ToFolderPanel();
  input::ChooseDrive(*form_->drive, DriveLine('d'));
  EXPECT_EQ(SavedDrive, 'C');
  EXPECT_EQ(form_->dir->Directory(), "d:\\");
  EXPECT_EQ(form_->txtDestPath->Text(), "d:\\Brontel");
  EXPECT_TRUE(boxes_->Boxes().empty());
}

TEST_F(MainFormTest, AnUnreachableDriveIsReportedAndTheBoxGoesBack) {
  ToFolderPanel();
  input::TypeText(*form_->txtDestPath, "!");
  const std::string typed = form_->txtDestPath->Text();
  input::ChooseDrive(*form_->drive, DriveLine('x'));
  ASSERT_EQ(boxes_->Boxes().size(), 1u);
  EXPECT_EQ(boxes_->Boxes()[0].kind, ui::MsgDlgType::kError);
  EXPECT_EQ(boxes_->Boxes()[0].title, "Error");
  EXPECT_EQ(boxes_->Boxes()[0].text, "Unable to access x:\\");
  EXPECT_EQ(boxes_->Boxes()[0].buttons, ui::mbOK);
  EXPECT_EQ(form_->drive->Drive(), 'C');
  EXPECT_EQ(form_->drive->ItemIndex(), DriveLine('c'));
  EXPECT_EQ(form_->dir->Directory(), "c:\\work");
  EXPECT_EQ(form_->txtDestPath->Text(), typed);

  // From another drive, the box goes back to that one.
  input::ChooseDrive(*form_->drive, DriveLine('d'));
  input::ChooseDrive(*form_->drive, DriveLine('x'));
  ASSERT_EQ(boxes_->Boxes().size(), 2u);
  EXPECT_EQ(form_->drive->Drive(), 'd');
  EXPECT_EQ(form_->dir->Directory(), "d:\\");
}

TEST_F(MainFormTest, EveryWayToCloseAsksFirst) {
  struct Way {
    const char* name;
    bool folder_panel;
    std::function<void(TfrmMain&)> close;
  } const ways[] = {
      {"welcome Cancel", false, [](TfrmMain& f) { input::Click(*f.btnCancel); }},
      {"folder Cancel", true, [](TfrmMain& f) { input::Click(*f.btnDestCancel); }},
      {"close box", false, [](TfrmMain& f) { input::CloseWindow(f); }},
      {"close box on the folder panel", true, [](TfrmMain& f) { input::CloseWindow(f); }},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    Restart();
    ASSERT_TRUE(input::ActivateWindow(*form_));
    if (way.folder_panel) input::Click(*form_->btnContinue);

    boxes_->Answer(ModalResult::kNo);
    way.close(*form_);
    ASSERT_EQ(boxes_->Boxes().size(), 1u);
    const ui::MessageBoxRequest& box = boxes_->Boxes()[0];
    EXPECT_EQ(box.kind, ui::MsgDlgType::kWarning);
    EXPECT_EQ(box.title, "Warning");
    EXPECT_EQ(box.text, kCloseQuestion);
    EXPECT_EQ(box.buttons, ui::mbYes | ui::mbNo);
    EXPECT_TRUE(form_->Visible());
    EXPECT_EQ(form_->PathPanel->Visible(), way.folder_panel);
    EXPECT_FALSE(app_->Terminated());

    boxes_->Answer(ModalResult::kYes);
    way.close(*form_);
    EXPECT_EQ(boxes_->Boxes().size(), 2u);
    EXPECT_FALSE(form_->Visible());
    EXPECT_TRUE(app_->Terminated());
  }
}

TEST_F(MainFormTest, EnterPressesTheVisiblePanelsDefaultButton) {
  ASSERT_TRUE(input::ActivateWindow(*form_));
  input::PressKey(*form_, input::Key::kEnter);
  EXPECT_TRUE(form_->PathPanel->Visible());

  int continued = 0;
  form_->btnDirContinue->OnClick = [&](ui::Component&) { ++continued; };
  form_->txtDestPath->SetFocus();
  input::PressKey(*form_, input::Key::kEnter);
  EXPECT_EQ(continued, 1);
  form_->dir->SetFocus();
  input::PressKey(*form_, input::Key::kEnter);
  EXPECT_EQ(continued, 2);

  // Another button of the panel with the focus takes Enter itself.
  boxes_->Answer(ModalResult::kNo);
  form_->btnDestCancel->SetFocus();
  input::PressKey(*form_, input::Key::kEnter);
  EXPECT_EQ(continued, 2);
  ASSERT_EQ(boxes_->Boxes().size(), 1u);
  EXPECT_EQ(boxes_->Boxes()[0].text, kCloseQuestion);
}

// Nobody places the focus here: it is wherever the window system and the forms layer leave it
// when the welcome panel goes and the folder panel comes.
TEST_F(MainFormTest, EnterTwiceFromTheStartAsksAboutTheFolder) {
  ASSERT_TRUE(input::ActivateWindow(*form_));
  input::PressKey(*form_, input::Key::kEnter);
  ASSERT_TRUE(form_->PathPanel->Visible());
  EXPECT_TRUE(form_->txtDestPath->Focused());

  boxes_->Answer(ModalResult::kNo);
  input::PressKey(*form_, input::Key::kEnter);
  ASSERT_EQ(boxes_->Boxes().size(), 1u);
  EXPECT_EQ(boxes_->Boxes()[0].text,
            "The directory C:\\Program Files\\Brontel does not exist. Create it?");
  EXPECT_TRUE(form_->PathPanel->Visible());
}

TEST_F(MainFormTest, AHandlerFailureIsShownAndTheWindowStaysAsItWas) {
  ToFolderPanel();
  const int tools = LineOf("Tools");
  std::filesystem::remove(map_.HostPath('c', "Work/Tools"));
  input::DoubleClickItem(*form_->dir, tools);
  ASSERT_EQ(boxes_->Boxes().size(), 1u);
  EXPECT_EQ(boxes_->Boxes()[0].title, "Setup");
  EXPECT_EQ(boxes_->Boxes()[0].icon, ui::MsgIcon::kStop);
  EXPECT_EQ(boxes_->Boxes()[0].text, "Cannot open the folder c:\\work\\Tools.");
  EXPECT_EQ(form_->dir->Directory(), "c:\\work");
  EXPECT_EQ(form_->txtDestPath->Text(), "C:\\Program Files\\Brontel");
  EXPECT_TRUE(form_->PathPanel->Visible());

  input::DoubleClickItem(*form_->dir, 0);  // and the window goes on working
  EXPECT_EQ(form_->txtDestPath->Text(), "c:\\Brontel");
}

}  // namespace
}  // namespace brontel
