// A visible component: a place inside its parent, visibility, font, focus, and a backend peer
// that draws it. Geometry is in pixels at 120 pixels per inch; the backend scales it.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "ui/backend.h"
#include "ui/component.h"
#include "ui/font.h"
#include "ui/geometry.h"

namespace brontel::ui {

// Which peer a backend makes for a control.
enum class ControlKind {
  kForm,
  kPanel,
  kLabel,
  kButton,
  kEdit,
  kImage,
  kDirectoryListBox,
  kDriveComboBox,
  kGauge,
  kGraphic,
};

enum class Align { kNone, kClient };

class Control : public Component {
 public:
  ~Control() override;

  virtual ControlKind Kind() const = 0;
  // Whether other controls may sit in it (forms and panels).
  virtual bool AcceptsControls() const { return false; }

  Control* Parent() const { return parent_; }
  // Moves the control into `parent` (null: out of any). Raises EInvalidOperation when
  // `parent` cannot hold controls. The peer is made when the parent has one.
  void SetParent(Control* parent);
  const std::vector<Control*>& Children() const { return children_; }
  // The children by tab order; those without one follow in creation order.
  std::vector<Control*> ChildrenInTabOrder() const;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetBounds(int left, int top, int width, int height);
  void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
  void SetTop(int top) { SetBounds(left_, top, width_, height_); }
  void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
  void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
  // The area children are placed in; a plain control's is its own size.
  virtual int ClientWidth() const { return width_; }
  virtual int ClientHeight() const { return height_; }

  Align GetAlign() const { return align_; }
  // kClient: fills the parent's client area and follows its size.
  void SetAlign(Align align);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible, and so is every parent up to and including the form.
  bool Showing() const;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  int TabOrder() const { return tab_order_; }
  void SetTabOrder(int tab_order);

  // The control's own font, or its parent's while it has none of its own.
  Font GetFont() const;
  void SetFont(const Font& font);
  bool ParentFont() const { return !font_.has_value(); }

  // Background colour (plain or system colour).
  TColor Color() const { return color_; }
  void SetColor(TColor color);

  // Whether the user can reach the control with the keyboard (buttons, boxes, lists); the form
  // hands the focus only to such controls.
  virtual bool TabStop() const { return false; }
  // Focus: only a showing, enabled control can take it.
  bool CanFocus() const { return Showing() && enabled_; }
  // Raises EInvalidOperation when the control cannot take the focus.
  void SetFocus();
  // For a form: its window has the keyboard and none of its controls holds the focus.
  bool Focused() const;

  Peer* GetPeer() const { return peer_.get(); }
  // Makes the peers of this control and its children when the parent has one (or, for a form,
  // when the application has a backend). Done by SetParent; forms call it when they load.
  void CreatePeers();

  bool ApplySetting(const std::string& name, const LayoutValue& value,
                    const HandlerTable& handlers) override;

 protected:
  explicit Control(Form* owner, TColor color = clBtnFace);
  // Tells the peer that `aspect` changed.
  void Changed(Aspect aspect);
  // Places kClient children over the client area; containers call it when their client area
  // changes.
  void Realign();
  // Called after the bounds changed.
  virtual void BoundsChanged() {}
  // Takes bounds the backend reports (the window system moved or sized the control) without
  // sending them back to the peer.
  void TakeBounds(int left, int top, int width, int height);

 private:
  void DestroyPeers();
  // The form whose window shows this control: null for a form itself and for a control without
  // a peer.
  Form* HostForm() const;
  // Tells the host form that the control's visibility or enabled state changed, and whether the
  // focus was on it or inside it before.
  void FocusAbilityChanged(bool held_focus);
  // The focus is on this control or on one inside it.
  bool ContainsFocus() const;

  Control* parent_ = nullptr;
  std::vector<Control*> children_;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  Align align_ = Align::kNone;
  bool visible_ = true;
  bool enabled_ = true;
  int tab_order_ = -1;
  std::optional<Font> font_;
  TColor color_;
  std::unique_ptr<Peer> peer_;
};

}  // namespace brontel::ui
