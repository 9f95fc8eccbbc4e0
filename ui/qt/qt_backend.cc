#include "ui/qt/qt_backend.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "ui/qt/message_box.h"
#include "ui/qt/qt_peer.h"

namespace brontel::ui::qt {

namespace {

QApplication* toolkit = nullptr;

class QtBackend : public Backend {
 public:
  std::unique_ptr<Peer> CreatePeer(Control& control) override {
    std::unique_ptr<QtPeer> peer;
    switch (control.Kind()) {
      case ControlKind::kForm:
        peer = MakeFormPeer(control);
        break;
      case ControlKind::kPanel:
        peer = MakePanelPeer(control);
        break;
      case ControlKind::kLabel:
        peer = MakeLabelPeer(control);
        break;
      case ControlKind::kButton:
        peer = MakeButtonPeer(control);
        break;
      case ControlKind::kEdit:
        peer = MakeEditPeer(control);
        break;
      case ControlKind::kImage:
        peer = MakeImagePeer(control);
        break;
      case ControlKind::kDirectoryListBox:
        peer = MakeDirectoryListPeer(control);
        break;
      case ControlKind::kDriveComboBox:
        peer = MakeDriveComboPeer(control);
        break;
      case ControlKind::kGauge:
        peer = MakeGaugePeer(control);
        break;
      case ControlKind::kGraphic:
        peer = MakeGraphicPeer(control);
        break;
    }
    peer->SyncAll();
    return peer;
  }

  void WaitAndProcess() override {
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  }

  void ProcessMessages() override {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
  }

  void Wake() override {
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) {
      dispatcher->wakeUp();
    }
  }

  void Post(std::function<void()> task) override {
    QMetaObject::invokeMethod(&context_, std::move(task), Qt::QueuedConnection);
  }

  ModalResult ShowMessageBox(const MessageBoxRequest& request) override {
    return RunMessageBox(request);
  }

  void SetIcon(std::span<const unsigned char> picture) override {
    QImage image;
    if (image.loadFromData(picture.data(), static_cast<int>(picture.size()))) {
      QApplication::setWindowIcon(QIcon(QPixmap::fromImage(image)));
    }
  }

 private:
  // Posted tasks run in this object's name; those still pending when the backend goes are
  // dropped with it instead of running against an application that no longer exists.
  QObject context_;
};

}  // namespace

std::unique_ptr<Backend> CreateQtBackend() {
  if (QCoreApplication::instance() == nullptr) {
    // Qt keeps references to these for the application object's whole life.
    static int argc = 1;
    static char name[] = "brontel-setup";
    static char* argv[] = {name, nullptr};
    toolkit = new QApplication(argc, argv);
    // Layouts name the fonts of their own desktop. Where fontconfig has no close match, the
    // metric-compatible Liberation family stands in.
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
  }
  return std::make_unique<QtBackend>();
}

void ShutdownToolkit() {
  delete toolkit;
  toolkit = nullptr;
}

}  // namespace brontel::ui::qt
