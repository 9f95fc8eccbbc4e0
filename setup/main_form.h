// The installer's main window: the gradient backdrop with the product's title, the welcome
// panel and the folder panel, one shown at a time. Its layout is the resource LAYOUT "MAIN".
#pragma once

#include "gradient/gradient.h"
#include "ui/button.h"
#include "ui/directory_list_box.h"
#include "ui/drive_combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/panel.h"

namespace brontel::platform {
class Process;
}

namespace brontel {

class TfrmMain : public ui::Form {
 public:
  explicit TfrmMain(ui::Application& app);

  // The components, found after the layout has been applied; owned by the form.
  TGradient* Gradient1 = nullptr;
  ui::Label* lblShadowName = nullptr;
  ui::Label* lblTopName = nullptr;
  ui::Label* Label4 = nullptr;
  ui::Label* Label3 = nullptr;
  ui::Panel* WelcomePanel = nullptr;
  ui::Image* imgIcon = nullptr;
  ui::Label* lblWelcome = nullptr;
  ui::Label* lblProgram = nullptr;
  ui::Label* Label1 = nullptr;
  ui::Button* btnContinue = nullptr;
  ui::Button* btnCancel = nullptr;
  ui::Panel* PathPanel = nullptr;
  ui::Label* lblDestDir = nullptr;
  ui::Edit* txtDestPath = nullptr;
  ui::Button* btnDirContinue = nullptr;
  ui::Button* btnDestCancel = nullptr;
  ui::DirectoryListBox* dir = nullptr;
  ui::DriveComboBox* drive = nullptr;

  // Event handlers, bound by name from the layout. Each is called through the application,
  // which shows an exception that leaves it.
  void FormCreate(ui::Component& sender);
  void btnContinueClick(ui::Component& sender);
  void btnCancelClick(ui::Component& sender);
  void dirChange(ui::Component& sender);
  void driveClick(ui::Component& sender);
  void driveChange(ui::Component& sender);
  void FormCloseQuery(ui::Component& sender, bool& can_close);
  // The installation sequence (setup/install_sequence.cc).
  void btnDirContinueClick(ui::Component& sender);

  // Places the two panels around the centre of the window's present (restored) size, the
  // welcome panel 12 pixels higher, and hides the folder panel. Called once, from FormCreate.
  void CenterPanels();
  // Whether the root of drive `letter` can be reached; when not, says so in an Error box
  // ("Unable to access x:\") and returns false.
  bool DriveAccessible(char letter);

  // What starts the README viewer; Process::Default() unless set. Not owned: it must outlive
  // the form. Null restores the default.
  void SetProcess(platform::Process* process);

 protected:
  void AddClasses(ui::ClassRegistry& classes) override;
  void PublishHandlers(ui::HandlerTable& handlers) override;
  void BindComponents() override;

 private:
  platform::Process* process_;
};

// The one main window; set while it is being created, so its creation handler can use it.
extern TfrmMain* frmMain;
// The drive the drive box held when it was last clicked; 0 until the first click.
extern char SavedDrive;

}  // namespace brontel
