// The Qt counterpart of a control: one QWidget, kept in step with the control's state.
#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

#include "ui/backend.h"
#include "ui/control.h"

namespace brontel::ui::qt {

class QtPeer : public Peer {
 public:
  // Takes the widget (made with its parent widget already set) and deletes it when destroyed.
  QtPeer(Control& control, QWidget* widget);
  ~QtPeer() override;

  void Sync(Aspect aspect) override;
  void PaintNow() override;
  void SetFocus() override;
  bool HasFocus() const override;

  QWidget* Widget() const { return widget_; }
  Control& GetControl() const { return control_; }
  // Brings the widget to the control's whole state; called once after construction.
  void SyncAll();

 protected:
  // What a kind of control adds to the common aspects.
  virtual void SyncText() {}
  virtual void SyncContent() {}
  virtual void SyncColor() {}
  virtual void SyncBounds();
  virtual void SyncVisible();
  virtual void SyncFont();
  // Labels fit their size to the text; called after the text or font changed.
  virtual void FitSize() {}

 private:
  void SyncTabOrder();

  Control& control_;
  QPointer<QWidget> widget_;
};

// The widget a child control is placed in: its parent's peer widget.
QWidget* ParentWidget(const Control& control);

// Runs a model call for a user action through the control's application, so an exception is
// shown and goes no further.
void DispatchFor(Control& control, const std::function<void()>& action);

// One maker per kind of control (see qt_backend.cc).
std::unique_ptr<QtPeer> MakeFormPeer(Control& control);
std::unique_ptr<QtPeer> MakePanelPeer(Control& control);
std::unique_ptr<QtPeer> MakeLabelPeer(Control& control);
std::unique_ptr<QtPeer> MakeButtonPeer(Control& control);
std::unique_ptr<QtPeer> MakeEditPeer(Control& control);
std::unique_ptr<QtPeer> MakeImagePeer(Control& control);
std::unique_ptr<QtPeer> MakeDirectoryListPeer(Control& control);
std::unique_ptr<QtPeer> MakeDriveComboPeer(Control& control);
std::unique_ptr<QtPeer> MakeGaugePeer(Control& control);
std::unique_ptr<QtPeer> MakeGraphicPeer(Control& control);

}  // namespace brontel::ui::qt
