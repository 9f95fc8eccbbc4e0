// The installation sequence, started by the folder panel's Continue: destination, backups,
// extraction, shortcut, README, and the end of the program.
#include "base/strings.h"
#include "platform/process.h"
#include "platform/text_viewer.h"
#include "setup/copy_form.h"
#include "setup/extract_payload.h"
#include "setup/file_checks.h"
#include "setup/install_state.h"
#include "setup/main_form.h"
#include "setup/paths.h"
#include "setup/shell_link.h"
#include "ui/application.h"
#include "ui/message_dlg.h"

namespace brontel {

namespace {

bool AskYes(const std::string& text, ui::MsgDlgType kind) {
  return ui::MessageDlg(text, kind, ui::mbYes | ui::mbNo) == ui::ModalResult::kYes;
}

}  // namespace

// Nothing here catches: a failure leaves the handler and the application shows it, with the
// sequence stopped where it was (the extraction dialog stays on screen when it failed there).
void TfrmMain::btnDirContinueClick(ui::Component&) {
  ui::Application& app = GetApplication();
  platform::FileSystem& file_system = app.FileSystem();

  DestDir = txtDestPath->Text();
  if (!DirectoryExists(file_system, DestDir)) {
    if (!AskYes(FormatS("The directory %s does not exist. Create it?", DestDir),
                ui::MsgDlgType::kConfirmation)) {
      return;
    }
    // One level only; a deeper missing chain is made by the archive component as it writes.
    file_system.CreateDirectory(DestDir);
  }
  PathPanel->Hide();
  BackupReplaced = AskYes("Do you want to backup replaced files ?", ui::MsgDlgType::kConfirmation);

  app.CreateForm(frmCopy);
  frmCopy->Show();
  ExtractPayload(*frmCopy);
  app.DestroyForm(frmCopy);

  if (AskYes("Add a shortcut to the Start Menu?", ui::MsgDlgType::kConfirmation)) {
    AddStartMenuShortcut();
  }
  if (AskYes("Do you want to view the README file now?", ui::MsgDlgType::kInformation)) {
    // Whether the viewer starts, or finds the file, is not checked.
    process_->StartDetached(
        platform::TextViewerCommand(file_system, WithTrailingBackslash(DestDir) + "readme.txt"));
  }
  ui::ShowMessage("Brontel Setup Complete.");
  app.Terminate();
}

}  // namespace brontel
