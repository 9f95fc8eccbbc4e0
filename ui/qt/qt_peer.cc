#include "ui/qt/qt_peer.h"

#include "ui/application.h"
#include "ui/qt/conversions.h"

namespace brontel::ui::qt {

QtPeer::QtPeer(Control& control, QWidget* widget) : control_(control), widget_(widget) {}

QtPeer::~QtPeer() { delete widget_.data(); }

QWidget* ParentWidget(const Control& control) {
  Control* parent = control.Parent();
  if (parent == nullptr || parent->GetPeer() == nullptr) return nullptr;
  return static_cast<QtPeer*>(parent->GetPeer())->Widget();
}

void DispatchFor(Control& control, const std::function<void()>& action) {
  if (Application* app = control.App()) {
    app->Dispatch(action);
  } else {
    action();
  }
}

void QtPeer::SyncAll() {
  SyncFont();
  SyncColor();
  SyncText();
  SyncContent();
  SyncBounds();
  FitSize();
  if (widget_) widget_->setEnabled(control_.Enabled());
  SyncTabOrder();
  SyncVisible();
}

void QtPeer::Sync(Aspect aspect) {
  if (!widget_) return;
  switch (aspect) {
    case Aspect::kBounds:
      SyncBounds();
      FitSize();
      break;
    case Aspect::kVisible:
      SyncVisible();
      break;
    case Aspect::kEnabled:
      widget_->setEnabled(control_.Enabled());
      break;
    case Aspect::kText:
      SyncText();
      FitSize();
      break;
    case Aspect::kFont:
      SyncFont();
      FitSize();
      break;
    case Aspect::kColor:
      SyncColor();
      break;
    case Aspect::kTabOrder:
      SyncTabOrder();
      break;
    case Aspect::kContent:
      SyncContent();
      FitSize();
      break;
  }
}

void QtPeer::SyncBounds() {
  if (control_.GetAlign() == Align::kClient && widget_->parentWidget() != nullptr) {
    widget_->setGeometry(widget_->parentWidget()->rect());
    return;
  }
  widget_->setGeometry(Scale(control_.Left()), Scale(control_.Top()), Scale(control_.Width()),
                       Scale(control_.Height()));
}

void QtPeer::SyncVisible() { widget_->setVisible(control_.Visible()); }

void QtPeer::SyncFont() {
  Font font = control_.GetFont();
  widget_->setFont(ToQFont(font));
  QPalette palette = widget_->palette();
  QColor color = ToQColor(font.color);
  palette.setColor(QPalette::WindowText, color);
  palette.setColor(QPalette::ButtonText, color);
  palette.setColor(QPalette::Text, color);
  widget_->setPalette(palette);
}

void QtPeer::SyncTabOrder() {
  QWidget* previous = nullptr;
  for (Control* child : control_.ChildrenInTabOrder()) {
    auto* peer = static_cast<QtPeer*>(child->GetPeer());
    if (peer == nullptr || !peer->widget_) continue;
    if (previous != nullptr) QWidget::setTabOrder(previous, peer->widget_);
    previous = peer->widget_;
  }
}

void QtPeer::PaintNow() {
  if (widget_ && widget_->isVisible()) widget_->repaint();
}

void QtPeer::SetFocus() {
  if (widget_) widget_->setFocus(Qt::OtherFocusReason);
}

bool QtPeer::HasFocus() const { return widget_ && widget_->hasFocus(); }

}  // namespace brontel::ui::qt
