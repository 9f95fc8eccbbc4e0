#include "ui/qt/user_input.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QTest>

#include "ui/qt/conversions.h"
#include "ui/qt/qt_peer.h"

namespace brontel::ui::qt::testing {

namespace {
QWidget* WidgetOf(const Control& control) {
  auto* peer = static_cast<QtPeer*>(control.GetPeer());
  return peer != nullptr ? peer->Widget() : nullptr;
}

Qt::Key QtKey(Key key) {
  switch (key) {
    case Key::kEnter:
      return Qt::Key_Return;
    case Key::kEscape:
      return Qt::Key_Escape;
    case Key::kTab:
      return Qt::Key_Tab;
    case Key::kSpace:
      return Qt::Key_Space;
  }
  return Qt::Key_unknown;
}
}  // namespace

bool ActivateWindow(Form& form) {
  if (!form.Visible()) form.Show();
  QWidget* window = WidgetOf(form);
  if (window == nullptr) return false;
  window->activateWindow();
  return QTest::qWaitForWindowActive(window, 2000);
}

void Click(Control& control) {
  if (QWidget* widget = WidgetOf(control)) QTest::mouseClick(widget, Qt::LeftButton);
}

void PressKey(Form& form, Key key) {
  QWidget* window = WidgetOf(form);
  if (window == nullptr) return;
  QWidget* target = window->focusWidget();
  QTest::keyClick(target != nullptr ? target : window, QtKey(key));
}

void TypeText(Edit& edit, const std::string& text) {
  if (QWidget* widget = WidgetOf(edit)) {
    widget->setFocus();
    QTest::keyClicks(widget, ToQt(text));
  }
}

void CloseWindow(Form& form) {
  if (QWidget* window = WidgetOf(form)) window->close();
}

void ChooseDrive(DriveComboBox& box, int index) {
  auto* combo = qobject_cast<QComboBox*>(WidgetOf(box));
  if (combo == nullptr) return;
  // What the drop-down list does when a line is picked: the box shows it, then tells.
  combo->setCurrentIndex(index);
  emit combo->activated(index);
}

void DoubleClickItem(DirectoryListBox& list, int index) {
  auto* widget = qobject_cast<QListWidget*>(WidgetOf(list));
  if (widget == nullptr || index < 0 || index >= widget->count()) return;
  QListWidgetItem* item = widget->item(index);
  widget->scrollToItem(item);
  QPoint at = widget->visualItemRect(item).center();
  // The window system's order for a double-click: press, release, double-click, release.
  QWidget* viewport = widget->viewport();
  QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, at);
}

std::uint32_t GrabPixel(Form& form, int x, int y) {
  QWidget* window = WidgetOf(form);
  if (window == nullptr) return 0;
  QImage image = window->grab().toImage();
  return image.pixel(x, y) & 0xFFFFFF;
}

bool SaveGrab(Form& form, const std::string& path) {
  QWidget* window = WidgetOf(form);
  return window != nullptr && window->grab().save(ToQt(path), "PNG");
}

}  // namespace brontel::ui::qt::testing
