#include "setup/main_form.h"

#include <string>

#include "base/strings.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "setup/paths.h"
#include "ui/application.h"
#include "ui/class_registry.h"
#include "ui/handler_table.h"
#include "ui/message_dlg.h"

namespace brontel {

TfrmMain* frmMain = nullptr;
char SavedDrive = 0;

namespace {
constexpr char kProductTitle[] = "Brontel 2.02";
}  // namespace

TfrmMain::TfrmMain(ui::Application& app)
    : ui::Form(app, "TfrmMain", "MAIN"), process_(platform::Process::Default()) {}

void TfrmMain::SetProcess(platform::Process* process) {
  process_ = process != nullptr ? process : platform::Process::Default();
}

void TfrmMain::AddClasses(ui::ClassRegistry& classes) { classes.Add<TGradient>("TGradient"); }

void TfrmMain::PublishHandlers(ui::HandlerTable& handlers) {
  using ui::Component;
  handlers.Add<ui::NotifyEvent>("FormCreate", [this](Component& s) { FormCreate(s); });
  handlers.Add<ui::NotifyEvent>("btnContinueClick", [this](Component& s) { btnContinueClick(s); });
  handlers.Add<ui::NotifyEvent>("btnCancelClick", [this](Component& s) { btnCancelClick(s); });
  handlers.Add<ui::NotifyEvent>("dirChange", [this](Component& s) { dirChange(s); });
  handlers.Add<ui::NotifyEvent>("driveClick", [this](Component& s) { driveClick(s); });
  handlers.Add<ui::NotifyEvent>("driveChange", [this](Component& s) { driveChange(s); });
  handlers.Add<ui::CloseQueryEvent>(
      "FormCloseQuery", [this](Component& s, bool& can_close) { FormCloseQuery(s, can_close); });
  handlers.Add<ui::NotifyEvent>("btnDirContinueClick",
                                [this](Component& s) { btnDirContinueClick(s); });
}

void TfrmMain::BindComponents() {
  Gradient1 = &Get<TGradient>("Gradient1");
  lblShadowName = &Get<ui::Label>("lblShadowName");
  lblTopName = &Get<ui::Label>("lblTopName");
  Label4 = &Get<ui::Label>("Label4");
  Label3 = &Get<ui::Label>("Label3");
  WelcomePanel = &Get<ui::Panel>("WelcomePanel");
  imgIcon = &Get<ui::Image>("imgIcon");
  lblWelcome = &Get<ui::Label>("lblWelcome");
  lblProgram = &Get<ui::Label>("lblProgram");
  Label1 = &Get<ui::Label>("Label1");
  btnContinue = &Get<ui::Button>("btnContinue");
  btnCancel = &Get<ui::Button>("btnCancel");
  PathPanel = &Get<ui::Panel>("PathPanel");
  lblDestDir = &Get<ui::Label>("lblDestDir");
  txtDestPath = &Get<ui::Edit>("txtDestPath");
  btnDirContinue = &Get<ui::Button>("btnDirContinue");
  btnDestCancel = &Get<ui::Button>("btnDestCancel");
  dir = &Get<ui::DirectoryListBox>("dir");
  drive = &Get<ui::DriveComboBox>("drive");
}

void TfrmMain::FormCreate(ui::Component&) {
  // From here on the list reports its folder in small letters.
  dir->SetDirectory(LowerAscii(dir->Directory()));
  lblWelcome->SetCaption("Welcome to Brontel Setup!");
  lblProgram->SetCaption("This program will install Brontel on your system.");
  lblTopName->SetCaption(kProductTitle);
  lblShadowName->SetCaption(kProductTitle);
  SetCaption("Brontel Setup");
  CenterPanels();
}

void TfrmMain::CenterPanels() {
  // The restored size, read once: the panels are not moved when the window is maximised.
  const int width = frmMain->Width();
  const int height = frmMain->Height();
  WelcomePanel->SetTop(height / 2 - WelcomePanel->Height() / 2 - 12);
  WelcomePanel->SetLeft(width / 2 - WelcomePanel->Width() / 2);
  PathPanel->SetTop(height / 2 - PathPanel->Height() / 2);
  PathPanel->SetLeft(width / 2 - PathPanel->Width() / 2);
  PathPanel->Hide();
}

void TfrmMain::btnContinueClick(ui::Component&) {
  txtDestPath->SetText("C:\\Program Files\\Brontel");
  WelcomePanel->Hide();
  PathPanel->Show();
}

void TfrmMain::btnCancelClick(ui::Component&) { Close(); }

void TfrmMain::dirChange(ui::Component&) {
  txtDestPath->SetText(WithTrailingBackslash(dir->Directory()) + "Brontel");
}

void TfrmMain::driveClick(ui::Component&) { SavedDrive = drive->Drive(); }

void TfrmMain::driveChange(ui::Component&) {
  const char letter = drive->Drive();
  if (DriveAccessible(letter)) {
    dir->SetDrive(letter);
  } else {
    drive->SetDrive(SavedDrive);
  }
}

bool TfrmMain::DriveAccessible(char letter) {
  const std::string root = std::string(1, letter) + ":\\";
  std::optional<std::uint32_t> attributes = GetApplication().FileSystem().GetAttributes(root);
  if (attributes && (*attributes & platform::kAttrDirectory)) return true;
  ui::MessageDlg("Unable to access " + root, ui::MsgDlgType::kError, ui::mbOK);
  return false;
}

void TfrmMain::FormCloseQuery(ui::Component&, bool& can_close) {
  can_close = ui::MessageDlg(
                  "Setup is not complete.  If you abort now, the program may not run properly.  "
                  "Are you sure you want to cancel installation? ",
                  ui::MsgDlgType::kWarning, ui::mbYes | ui::mbNo) == ui::ModalResult::kYes;
}

}  // namespace brontel
