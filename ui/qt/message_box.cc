#include "ui/qt/message_box.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QPushButton>

#include "ui/qt/conversions.h"

namespace brontel::ui::qt {

namespace {

class Box : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;
  bool ClosedByFrame() const { return closed_by_frame_; }

 protected:
  void closeEvent(QCloseEvent* event) override {
    closed_by_frame_ = true;
    QMessageBox::closeEvent(event);
  }

 private:
  bool closed_by_frame_ = false;
};

struct ButtonKind {
  MsgDlgButtons flag;
  QMessageBox::StandardButton standard;
  ModalResult result;
};

constexpr ButtonKind kButtons[] = {
    {mbYes, QMessageBox::Yes, ModalResult::kYes},
    {mbNo, QMessageBox::No, ModalResult::kNo},
    {mbOK, QMessageBox::Ok, ModalResult::kOk},
    {mbCancel, QMessageBox::Cancel, ModalResult::kCancel},
    {mbAbort, QMessageBox::Abort, ModalResult::kAbort},
    {mbRetry, QMessageBox::Retry, ModalResult::kRetry},
    {mbIgnore, QMessageBox::Ignore, ModalResult::kIgnore},
};

QMessageBox::Icon IconOf(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::kExclamation:
      return QMessageBox::Warning;
    case MsgIcon::kStop:
      return QMessageBox::Critical;
    case MsgIcon::kInformation:
      return QMessageBox::Information;
    case MsgIcon::kQuestion:
      return QMessageBox::Question;
    case MsgIcon::kNone:
      break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

ModalResult RunMessageBox(const MessageBoxRequest& request) {
  Box box(QApplication::activeWindow());
  box.setWindowModality(Qt::ApplicationModal);
  box.setWindowTitle(ToQt(request.title));
  box.setTextFormat(Qt::PlainText);
  box.setText(ToQt(request.text));
  box.setIcon(IconOf(request.icon));
  for (const ButtonKind& kind : kButtons) {
    if (!(request.buttons & kind.flag)) continue;
    QPushButton* button = box.addButton(kind.standard);
    if (kind.result == request.default_button) box.setDefaultButton(button);
    if (kind.result == request.cancel_button) box.setEscapeButton(button);
  }
  box.exec();
  if (box.ClosedByFrame()) return ModalResult::kCancel;
  QAbstractButton* clicked = box.clickedButton();
  if (clicked == nullptr) return ModalResult::kCancel;
  QMessageBox::StandardButton standard = box.standardButton(clicked);
  for (const ButtonKind& kind : kButtons) {
    if (kind.standard == standard) return kind.result;
  }
  return ModalResult::kCancel;
}

}  // namespace brontel::ui::qt
