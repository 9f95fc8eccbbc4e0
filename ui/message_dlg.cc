#include "ui/message_dlg.h"

#include "ui/application.h"
#include "ui/exceptions.h"

namespace brontel::ui {

namespace {
Application& CurrentApp() {
  Application* app = Application::Current();
  if (app == nullptr) throw EInvalidOperation("No application to show a message box");
  return *app;
}
}  // namespace

MessageBoxRequest MakeMessageBox(const std::string& text, MsgDlgType kind, MsgDlgButtons buttons) {
  MessageBoxRequest request;
  request.kind = kind;
  request.text = text;
  request.buttons = buttons;
  switch (kind) {
    case MsgDlgType::kWarning:
      request.title = "Warning";
      request.icon = MsgIcon::kExclamation;
      break;
    case MsgDlgType::kError:
      request.title = "Error";
      request.icon = MsgIcon::kStop;
      break;
    case MsgDlgType::kInformation:
      request.title = "Information";
      request.icon = MsgIcon::kInformation;
      break;
    case MsgDlgType::kConfirmation:
      request.title = "Confirm";
      request.icon = MsgIcon::kQuestion;
      break;
    case MsgDlgType::kCustom:
      if (Application* app = Application::Current()) request.title = app->Title();
      request.icon = MsgIcon::kNone;
      break;
  }
  // Enter takes the first of Yes, OK; Escape the first of No, Cancel, OK.
  if (buttons & mbYes) {
    request.default_button = ModalResult::kYes;
  } else if (buttons & mbOK) {
    request.default_button = ModalResult::kOk;
  }
  if (buttons & mbNo) {
    request.cancel_button = ModalResult::kNo;
  } else if (buttons & mbCancel) {
    request.cancel_button = ModalResult::kCancel;
  } else if (buttons & mbOK) {
    request.cancel_button = ModalResult::kOk;
  }
  return request;
}

ModalResult MessageDlg(const std::string& text, MsgDlgType kind, MsgDlgButtons buttons) {
  Application& app = CurrentApp();
  return app.ShowMessageBox(MakeMessageBox(text, kind, buttons));
}

void ShowMessage(const std::string& text) {
  Application& app = CurrentApp();
  app.ShowMessageBox(MakeMessageBox(text, MsgDlgType::kCustom, mbOK));
}

}  // namespace brontel::ui
