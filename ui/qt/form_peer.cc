// A form is a top-level window. Closing it by the window system asks the form (which may
// refuse); Enter and Escape that no child took press the form's default and cancel buttons.
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include "ui/form.h"
#include "ui/qt/conversions.h"
#include "ui/qt/qt_peer.h"

namespace brontel::ui::qt {

namespace {

class FormWidget : public QWidget {
 public:
  explicit FormWidget(Form& form) : form_(form) {}

 protected:
  void closeEvent(QCloseEvent* event) override {
    // The form decides; hiding happens through the form's Visible.
    event->ignore();
    DispatchFor(form_, [this] { form_.Close(); });
  }

  void resizeEvent(QResizeEvent* event) override {
    QWidget::resizeEvent(event);
    // The frame is known only once the window system shows the window.
    QSize outer = isVisible() ? frameGeometry().size() : size();
    form_.WindowResized(Unscale(outer.width()), Unscale(outer.height()), Unscale(width()),
                        Unscale(height()));
  }

  void keyPressEvent(QKeyEvent* event) override {
    int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
      event->accept();
      DispatchFor(form_, [this, key] {
        form_.HandleDialogKey(key == Qt::Key_Escape ? DialogKey::kEscape : DialogKey::kEnter);
      });
      return;
    }
    QWidget::keyPressEvent(event);
  }

  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(form_.Color()));
  }

 private:
  Form& form_;
};

class FormPeer : public QtPeer {
 public:
  FormPeer(Form& form, QWidget* widget) : QtPeer(form, widget), form_(form) {}

  // The window has the keyboard with the focus on itself, or on no widget at all.
  bool HasFocus() const override {
    QWidget* w = Widget();
    if (w == nullptr || !w->isActiveWindow()) return false;
    QWidget* focus = QApplication::focusWidget();
    return focus == nullptr || focus == w;
  }

 protected:
  void SyncText() override { Widget()->setWindowTitle(ToQt(form_.Caption())); }

  void SyncContent() override {
    QWidget* w = Widget();
    Qt::WindowFlags flags = Qt::Window;
    if (form_.GetBorderStyle() == BorderStyle::kNone) {
      flags |= Qt::FramelessWindowHint;
    } else {
      flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
      const BorderIcons& icons = form_.GetBorderIcons();
      if (icons.system_menu) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
      if (icons.minimize) flags |= Qt::WindowMinimizeButtonHint;
      if (icons.maximize) flags |= Qt::WindowMaximizeButtonHint;
    }
    if (form_.StayOnTop()) flags |= Qt::WindowStaysOnTopHint;
    if (flags != w->windowFlags()) {
      bool was_visible = w->isVisible();
      w->setWindowFlags(flags);  // hides the window
      if (was_visible) SyncVisible();
    }
    if (w->isVisible()) ApplyWindowState();
  }

  void SyncBounds() override {
    QWidget* w = Widget();
    if (w->isVisible() && (w->windowState() & Qt::WindowMaximized)) return;
    w->move(Scale(form_.Left()), Scale(form_.Top()));
    w->resize(Scale(form_.ClientWidth()), Scale(form_.ClientHeight()));
    bool fixed = form_.GetBorderStyle() != BorderStyle::kSizeable;
    if (fixed) {
      w->setFixedSize(w->size());
    } else {
      w->setMinimumSize(0, 0);
      w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
  }

  void SyncVisible() override {
    QWidget* w = Widget();
    if (!form_.Visible()) {
      w->hide();
      return;
    }
    if (!w->isVisible() && form_.Position() == FormPosition::kScreenCenter) {
      if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        w->move(area.center() - QPoint(w->width() / 2, w->height() / 2));
      }
    }
    ApplyWindowState();
    // The headless platform has no stacking to change and says so on every call.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) w->raise();
    w->activateWindow();
  }

  void SyncColor() override { Widget()->update(); }

 private:
  void ApplyWindowState() {
    QWidget* w = Widget();
    switch (form_.GetWindowState()) {
      case WindowState::kMaximized:
        w->showMaximized();
        FillScreenUnlessMaximized();
        break;
      case WindowState::kMinimized:
        w->showMinimized();
        break;
      case WindowState::kNormal:
        w->showNormal();
        break;
    }
  }

  // Without a window manager (a bare X server such as Xvfb) nobody maximises the window;
  // then it is given the screen's available area itself, a moment later.
  void FillScreenUnlessMaximized() {
    QPointer<QWidget> window(Widget());
    QTimer::singleShot(300, window, [window] {
      const QScreen* screen = window ? window->screen() : nullptr;
      if (screen == nullptr || !window->isVisible() ||
          !(window->windowState() & Qt::WindowMaximized)) {
        return;
      }
      QRect area = screen->availableGeometry();
      if (window->frameGeometry().size() != area.size()) window->setGeometry(area);
    });
  }

  Form& form_;
};

}  // namespace

std::unique_ptr<QtPeer> MakeFormPeer(Control& control) {
  auto& form = static_cast<Form&>(control);
  auto* widget = new FormWidget(form);
  widget->setAttribute(Qt::WA_DeleteOnClose, false);
  return std::make_unique<FormPeer>(form, widget);
}

}  // namespace brontel::ui::qt
