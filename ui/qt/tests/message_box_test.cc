// The real message box and the gauge's immediate repaint, watched through Qt itself.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "base/exception.h"
#include "ui/application.h"
#include "ui/gauge.h"
#include "ui/message_dlg.h"
#include "ui/qt/qt_backend.h"
#include "ui/qt/qt_peer.h"
#include "ui/tests/test_form.h"

namespace brontel::ui {
namespace {

// What the box looked like when it came up.
struct Seen {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString default_button;
  QStringList buttons;
};

// Waits (from the box's own event loop) for a modal message box, notes what it shows, and acts
// on it.
void WhenBoxShows(Seen& seen, std::function<void(QMessageBox&)> act) {
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, [poll, &seen, act] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    seen.title = box->windowTitle();
    seen.text = box->text();
    seen.icon = box->icon();
    if (box->defaultButton() != nullptr) seen.default_button = box->defaultButton()->text();
    for (QAbstractButton* button : box->buttons()) seen.buttons << button->text();
    act(*box);
  });
  poll->start(10);
}

class MessageBoxTest : public ::testing::Test {
 protected:
  MessageBoxTest() : app_(qt::CreateQtBackend()) { app_.SetTitle("Setup"); }
  Application app_;
};

TEST_F(MessageBoxTest, AWarningWithYesAndNo) {
  Seen seen;
  WhenBoxShows(seen, [](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); });
  EXPECT_EQ(MessageDlg("Setup is not complete.", MsgDlgType::kWarning, mbYes | mbNo),
            ModalResult::kYes);
  EXPECT_EQ(seen.title, "Warning");
  EXPECT_EQ(seen.text, "Setup is not complete.");
  EXPECT_EQ(seen.icon, QMessageBox::Warning);
  EXPECT_EQ(seen.buttons.size(), 2);
  EXPECT_EQ(seen.default_button, QMessageBox().addButton(QMessageBox::Yes)->text());
}

TEST_F(MessageBoxTest, EnterEscapeAndTheFrame) {
  struct Case {
    std::function<void(QMessageBox&)> act;
    ModalResult answer;
  } const cases[] = {
      {[](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); }, ModalResult::kYes},
      {[](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); }, ModalResult::kNo},
      {[](QMessageBox& box) { box.close(); }, ModalResult::kCancel},
  };
  for (const Case& c : cases) {
    Seen seen;
    WhenBoxShows(seen, c.act);
    EXPECT_EQ(
        MessageDlg("Add a shortcut to the Start Menu?", MsgDlgType::kConfirmation, mbYes | mbNo),
        c.answer);
    EXPECT_EQ(seen.title, "Confirm");
    EXPECT_EQ(seen.icon, QMessageBox::Question);
  }
}

TEST_F(MessageBoxTest, TheErrorBoxOfAnEscapedException) {
  Seen seen;
  WhenBoxShows(seen, [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); });
  app_.Dispatch([] { throw EInOutError("Disk full"); });
  EXPECT_EQ(seen.title, "Setup");
  EXPECT_EQ(seen.text, "Disk full.");
  EXPECT_EQ(seen.icon, QMessageBox::Critical);
  EXPECT_EQ(seen.buttons.size(), 1);
}

TEST_F(MessageBoxTest, APlainMessageHasNoIcon) {
  Seen seen;
  WhenBoxShows(seen, [](QMessageBox& box) { box.button(QMessageBox::Ok)->click(); });
  ShowMessage("Brontel Setup Complete.");
  EXPECT_EQ(seen.title, "Setup");
  EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

TEST_F(MessageBoxTest, TheGaugeRepaintsAtOnceWhenItsPercentageChanges) {
  TestForm* form = nullptr;
  app_.CreateForm(form,
                  "frmTest: TTestForm\n"
                  "  ClientSize = 300, 60\n"
                  "Gauge1: Gauge in frmTest\n"
                  "  Bounds = 20, 20, 261, 29\n"
                  "  Font.Style = Bold\n");
  form->Show();
  app_.ProcessMessages();
  auto& gauge = form->Get<Gauge>("Gauge1");
  PaintCounter counter;
  static_cast<qt::QtPeer*>(gauge.GetPeer())->Widget()->installEventFilter(&counter);

  gauge.SetProgress(8);
  EXPECT_EQ(counter.paints, 1);  // before any message ran
  gauge.SetProgress(8);
  EXPECT_EQ(counter.paints, 1);
  gauge.SetProgress(500);
  EXPECT_EQ(counter.paints, 2);
  gauge.SetProgress(101);  // held at 100 again: no change
  EXPECT_EQ(counter.paints, 2);
}

}  // namespace
}  // namespace brontel::ui
