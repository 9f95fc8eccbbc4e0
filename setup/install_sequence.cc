// The installation sequence, started by the folder panel's Continue.
#include "setup/main_form.h"

namespace brontel {

void TfrmMain::btnDirContinueClick(ui::Component&) {
  // The installation itself comes with the extraction dialog and the shortcut module.
}

}  // namespace brontel
