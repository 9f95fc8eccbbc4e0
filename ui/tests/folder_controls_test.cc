#include <gtest/gtest.h>

#include <filesystem>

#include "base/exception.h"
#include "platform/file_system.h"
#include "platform/testing/temp_drive_map.h"
#include "ui/button.h"
#include "ui/directory_list_box.h"
#include "ui/drive_combo_box.h"
#include "ui/qt/qt_backend.h"
#include "ui/qt/user_input.h"
#include "ui/tests/test_form.h"

namespace brontel::ui {
namespace {

namespace input = qt::testing;

// Drive c: holds Games\Old and Tools; the process starts in c:\Games. Drive d: holds Music.
class FolderControlsTest : public ::testing::Test {
 protected:
  FolderControlsTest() {
    std::filesystem::create_directories(map_.HostPath('c', "Games/Old"));
    std::filesystem::create_directories(map_.HostPath('c', "Tools"));
    map_.AddDrive('d');
    std::filesystem::create_directories(map_.HostPath('d', "Music"));
    EXPECT_FALSE(fs_.SetCurrentDirectory("C:\\Games"));
    app_ = std::make_unique<Application>(qt::CreateQtBackend());
  }

  void Load(const std::string& extra = "") {
    auto record = [this](const char* what) {
      return [this, what](Component&) {
        events_.push_back(std::string(what) + " " + list_->Directory() + " " +
                          std::string(1, box_->Drive()));
      };
    };
    app_->CreateForm(form_,
                     "frmTest: TTestForm\n"
                     "  ClientSize = 300, 300\n"
                     "dir: DirectoryListBox in frmTest\n"
                     "  Bounds = 10, 10, 200, 200\n"
                     "  OnChange = DirChanged\n"
                     "drive: DriveComboBox in frmTest\n"
                     "  Bounds = 10, 220, 200, 22\n"
                     "  OnClick = DriveClicked\n"
                     "  OnChange = DriveChanged\n" +
                         extra,
                     [&](HandlerTable& handlers) {
                       handlers.Add<NotifyEvent>("DirChanged", record("dir"));
                       handlers.Add<NotifyEvent>("DriveClicked", record("click"));
                       handlers.Add<NotifyEvent>("DriveChanged", record("change"));
                       handlers.Add<NotifyEvent>("Go",
                                                 [this](Component&) { events_.push_back("go"); });
                     });
    list_ = &form_->Get<DirectoryListBox>("dir");
    box_ = &form_->Get<DriveComboBox>("drive");
  }

  static std::vector<std::string> Texts(const DirectoryListBox& list) {
    std::vector<std::string> texts;
    for (const DirectoryListBox::Item& item : list.Items()) {
      texts.push_back(std::string(item.level, '>') + (item.open ? "[" : "") + item.text);
    }
    return texts;
  }

  platform::testing::TempDriveMap map_;
  platform::FileSystem& fs_ = *platform::FileSystem::Default();
  std::unique_ptr<Application> app_;
  TestForm* form_ = nullptr;
  DirectoryListBox* list_ = nullptr;
  DriveComboBox* box_ = nullptr;
  std::vector<std::string> events_;
};

TEST_F(FolderControlsTest, TheListShowsThePathThenTheSubfolders) {
  Load();
  EXPECT_EQ(list_->Directory(), "C:\\Games");
  EXPECT_EQ(Texts(*list_), (std::vector<std::string>{"[C:\\", ">[Games", ">>Old"}));
  EXPECT_EQ(list_->ItemIndex(), 1);
  EXPECT_EQ(list_->Drive(), 'C');
  EXPECT_TRUE(events_.empty());
}

TEST_F(FolderControlsTest, OpeningALineMovesTheListAndTheProcess) {
  Load();
  list_->OpenItem(2);
  EXPECT_EQ(list_->Directory(), "C:\\Games\\Old");
  EXPECT_EQ(fs_.CurrentDirectory(), "C:\\Games\\Old");
  EXPECT_EQ(Texts(*list_), (std::vector<std::string>{"[C:\\", ">[Games", ">>[Old"}));
  list_->OpenItem(0);
  EXPECT_EQ(list_->Directory(), "C:\\");
  EXPECT_EQ(Texts(*list_), (std::vector<std::string>{"[C:\\", ">Games", ">Tools"}));

  form_->Show();
  app_->ProcessMessages();
  input::DoubleClickItem(*list_, 2);  // Tools, through the toolkit
  EXPECT_EQ(list_->Directory(), "C:\\Tools");
  EXPECT_EQ(events_,
            (std::vector<std::string>{"dir C:\\Games\\Old C", "dir C:\\ C", "dir C:\\Tools C"}));
}

TEST_F(FolderControlsTest, TheListKeepsTheSpellingItWasGiven) {
  Load();
  list_->SetDirectory("c:\\games");
  EXPECT_EQ(list_->Directory(), "c:\\games");
  EXPECT_EQ(Texts(*list_), (std::vector<std::string>{"[c:\\", ">[games", ">>Old"}));
  list_->SetDirectory("c:\\games");  // the same text: no change
  list_->SetDirectory("");           // nothing at all
  EXPECT_EQ(events_, (std::vector<std::string>{"dir c:\\games C"}));
}

TEST_F(FolderControlsTest, AFolderThatCannotBeEnteredLeavesTheListAlone) {
  Load();
  EXPECT_THROW(list_->SetDirectory("C:\\Nowhere"), EInOutError);
  std::filesystem::remove(map_.HostPath('c', "Games/Old"));
  EXPECT_THROW(list_->OpenItem(2), EInOutError);
  EXPECT_EQ(list_->Directory(), "C:\\Games");
  EXPECT_EQ(fs_.CurrentDirectory(), "C:\\Games");
  EXPECT_TRUE(events_.empty());
}

TEST_F(FolderControlsTest, ChangingDriveGoesWhereTheListLastWasOnIt) {
  Load();
  list_->SetDrive('c');  // the drive it is on, in the other case: nothing
  list_->SetDrive('d');
  EXPECT_EQ(list_->Directory(), "d:\\");
  EXPECT_EQ(Texts(*list_), (std::vector<std::string>{"[d:\\", ">Music"}));
  list_->OpenItem(1);
  list_->SetDrive('C');
  EXPECT_EQ(list_->Directory(), "C:\\Games");
  list_->SetDrive('D');
  EXPECT_EQ(list_->Directory(), "d:\\Music");
  EXPECT_EQ(events_.size(), 4u);
}

TEST_F(FolderControlsTest, TheDriveBoxRaisesClickBeforeItTakesTheChoice) {
  Load();
  EXPECT_EQ(box_->Items(), (std::vector<std::string>{"c:", "d:"}));
  EXPECT_EQ(box_->Drive(), 'C');
  EXPECT_EQ(box_->ItemIndex(), 0);
  form_->Show();
  app_->ProcessMessages();

  input::ChooseDrive(*box_, 1);
  input::ChooseDrive(*box_, 1);  // the same drive again: a click, no change
  box_->SetDrive('c');           // by code: a change, no click
  box_->SetDrive('C');           // the same letter in the other case: nothing
  EXPECT_EQ(events_, (std::vector<std::string>{"click C:\\Games C", "change C:\\Games d",
                                               "click C:\\Games d", "change C:\\Games c"}));
  EXPECT_EQ(box_->Drive(), 'c');
  EXPECT_EQ(box_->ItemIndex(), 0);
}

TEST_F(FolderControlsTest, AChangeHandlerMayPutTheBoxBack) {
  Load();
  box_->OnChange = [this](Component&) {
    events_.push_back(std::string("change ") + box_->Drive());
    if (box_->Drive() == 'd') box_->SetDrive('c');
  };
  box_->UserSelected(1);
  EXPECT_EQ(box_->Drive(), 'c');
  EXPECT_EQ(box_->ItemIndex(), 0);
  EXPECT_EQ(events_, (std::vector<std::string>{"click C:\\Games C", "change d", "change c"}));
}

TEST_F(FolderControlsTest, EnterInTheListOpensTheLineUnlessADefaultButtonTakesIt) {
  Load();
  ASSERT_TRUE(input::ActivateWindow(*form_));
  list_->SetFocus();
  list_->SetItemIndex(2);
  input::PressKey(*form_, input::Key::kEnter);
  EXPECT_EQ(list_->Directory(), "C:\\Games\\Old");
}

TEST_F(FolderControlsTest, EnterInTheListPressesTheDefaultButton) {
  Load(
      "btnGo: Button in frmTest\n"
      "  Bounds = 220, 10, 70, 25\n"
      "  Default = true\n"
      "  OnClick = Go\n");
  ASSERT_TRUE(input::ActivateWindow(*form_));
  list_->SetFocus();
  list_->SetItemIndex(2);
  input::PressKey(*form_, input::Key::kEnter);
  EXPECT_EQ(list_->Directory(), "C:\\Games");
  EXPECT_EQ(events_, (std::vector<std::string>{"go"}));
}

}  // namespace
}  // namespace brontel::ui
