#include "ui/control.h"

#include <algorithm>

#include "base/strings.h"
#include "ui/application.h"
#include "ui/exceptions.h"
#include "ui/form.h"
#include "ui/layout.h"

namespace brontel::ui {

Control::Control(Form* owner, TColor color) : Component(owner), color_(color) {}

Control::~Control() {
  // Peers of children sit inside this control's peer: they go first, and the children are left
  // without a parent (their owner destroys them).
  DestroyPeers();
  for (Control* child : children_) child->parent_ = nullptr;
  if (parent_ != nullptr) std::erase(parent_->children_, this);
}

void Control::SetParent(Control* parent) {
  if (parent == parent_) return;
  if (parent != nullptr && !parent->AcceptsControls()) {
    throw EInvalidOperation("Control '" + parent->Name() + "' cannot hold other controls");
  }
  DestroyPeers();
  if (parent_ != nullptr) std::erase(parent_->children_, this);
  parent_ = parent;
  if (parent_ != nullptr) {
    parent_->children_.push_back(this);
    if (align_ == Align::kClient) {
      left_ = 0;
      top_ = 0;
      width_ = parent_->ClientWidth();
      height_ = parent_->ClientHeight();
    }
    if (parent_->peer_ != nullptr) CreatePeers();
  }
}

std::vector<Control*> Control::ChildrenInTabOrder() const {
  std::vector<Control*> order = children_;
  std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
    int ta = a->TabOrder() < 0 ? 1 << 30 : a->TabOrder();
    int tb = b->TabOrder() < 0 ? 1 << 30 : b->TabOrder();
    return ta < tb;
  });
  return order;
}

void Control::CreatePeers() {
  if (peer_ != nullptr) return;
  Application* app = App();
  if (app == nullptr) return;
  if (Kind() != ControlKind::kForm && (parent_ == nullptr || parent_->peer_ == nullptr)) return;
  peer_ = app->GetBackend().CreatePeer(*this);
  for (Control* child : children_) child->CreatePeers();
  if (!children_.empty()) peer_->Sync(Aspect::kTabOrder);
}

void Control::DestroyPeers() {
  for (Control* child : children_) child->DestroyPeers();
  peer_.reset();
}

void Control::Changed(Aspect aspect) {
  if (peer_ != nullptr) peer_->Sync(aspect);
}

void Control::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  BoundsChanged();
  Changed(Aspect::kBounds);
}

void Control::TakeBounds(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  BoundsChanged();
}

void Control::Realign() {
  for (Control* child : children_) {
    if (child->align_ == Align::kClient) child->SetBounds(0, 0, ClientWidth(), ClientHeight());
  }
}

void Control::SetAlign(Align align) {
  align_ = align;
  if (align_ == Align::kClient && parent_ != nullptr) {
    SetBounds(0, 0, parent_->ClientWidth(), parent_->ClientHeight());
  }
}

void Control::SetVisible(bool visible) {
  if (visible == visible_) return;
  const bool held_focus = ContainsFocus();
  visible_ = visible;
  Changed(Aspect::kVisible);
  FocusAbilityChanged(held_focus);
}

bool Control::Showing() const {
  for (const Control* c = this; c != nullptr; c = c->parent_) {
    if (!c->visible_) return false;
    if (c->Kind() == ControlKind::kForm) return true;
  }
  return false;
}

void Control::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  const bool held_focus = ContainsFocus();
  enabled_ = enabled;
  Changed(Aspect::kEnabled);
  FocusAbilityChanged(held_focus);
}

Form* Control::HostForm() const {
  if (Kind() == ControlKind::kForm || peer_ == nullptr) return nullptr;
  for (Control* c = parent_; c != nullptr; c = c->parent_) {
    if (c->Kind() == ControlKind::kForm) return static_cast<Form*>(c);
  }
  return nullptr;
}

bool Control::ContainsFocus() const {
  Form* form = HostForm();
  if (form == nullptr) return false;
  for (const Control* c = form->FocusedControl(); c != nullptr; c = c->parent_) {
    if (c == this) return true;
  }
  return false;
}

void Control::FocusAbilityChanged(bool held_focus) {
  if (Form* form = HostForm()) form->KeepFocus(held_focus);
}

void Control::SetTabOrder(int tab_order) {
  tab_order_ = tab_order;
  if (parent_ != nullptr && parent_->peer_ != nullptr) parent_->Changed(Aspect::kTabOrder);
}

Font Control::GetFont() const {
  if (font_.has_value()) return *font_;
  if (parent_ != nullptr) return parent_->GetFont();
  return Font{};
}

namespace {
// Children that take their parent's font see a change of it too.
void FontChangedBelow(Control& control, void (*notify)(Control&)) {
  for (Control* child : control.Children()) {
    if (child->ParentFont()) {
      notify(*child);
      FontChangedBelow(*child, notify);
    }
  }
}
}  // namespace

void Control::SetFont(const Font& font) {
  font_ = font;
  Changed(Aspect::kFont);
  FontChangedBelow(*this, [](Control& c) {
    if (c.GetPeer() != nullptr) c.GetPeer()->Sync(Aspect::kFont);
  });
}

void Control::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed(Aspect::kColor);
}

void Control::SetFocus() {
  if (!CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
  if (peer_ != nullptr) peer_->SetFocus();
}

bool Control::Focused() const { return peer_ != nullptr && peer_->HasFocus(); }

namespace {
bool Is(const std::string& name, const char* expected) {
  return EqualsIgnoreCaseAscii(name, expected);
}
}  // namespace

bool Control::ApplySetting(const std::string& name, const LayoutValue& value,
                           const HandlerTable& handlers) {
  if (Is(name, "Left")) {
    SetLeft(value.Int());
  } else if (Is(name, "Top")) {
    SetTop(value.Int());
  } else if (Is(name, "Width")) {
    SetWidth(value.Int());
  } else if (Is(name, "Height")) {
    SetHeight(value.Int());
  } else if (Is(name, "Bounds")) {
    std::vector<int> v = value.Ints(2, 4);
    if (v.size() == 3) throw ELayoutError("Bounds takes left, top and optionally width, height");
    if (v.size() == 2) v.insert(v.end(), {width_, height_});
    SetBounds(v[0], v[1], v[2], v[3]);
  } else if (Is(name, "Visible")) {
    SetVisible(value.Bool());
  } else if (Is(name, "Enabled")) {
    SetEnabled(value.Bool());
  } else if (Is(name, "TabOrder")) {
    SetTabOrder(value.Int());
  } else if (Is(name, "Align")) {
    const std::string& word = value.Word();
    if (Is(word, "Client")) {
      SetAlign(Align::kClient);
    } else if (Is(word, "None")) {
      SetAlign(Align::kNone);
    } else {
      throw ELayoutError("unknown alignment '" + word + "'");
    }
  } else if (Is(name, "Color")) {
    SetColor(value.Color());
  } else if (Is(name, "Font.Name")) {
    Font f = GetFont();
    f.name = value.Text();
    SetFont(f);
  } else if (Is(name, "Font.Height")) {
    Font f = GetFont();
    f.height = value.Int();
    SetFont(f);
  } else if (Is(name, "Font.Color")) {
    Font f = GetFont();
    f.color = value.Color();
    SetFont(f);
  } else if (Is(name, "Font.Style")) {
    Font f = GetFont();
    f.bold = false;
    f.italic = false;
    for (const std::string& word : value.List()) {
      if (Is(word, "Bold")) {
        f.bold = true;
      } else if (Is(word, "Italic")) {
        f.italic = true;
      } else if (!Is(word, "Regular")) {
        throw ELayoutError("unknown font style '" + word + "'");
      }
    }
    SetFont(f);
  } else {
    return Component::ApplySetting(name, value, handlers);
  }
  return true;
}

}  // namespace brontel::ui
