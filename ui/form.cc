#include "ui/form.h"

#include "base/exception.h"
#include "base/strings.h"
#include "platform/resources.h"
#include "ui/application.h"
#include "ui/button.h"
#include "ui/class_registry.h"
#include "ui/handler_table.h"
#include "ui/layout.h"

namespace brontel::ui {

namespace {
bool Is(const std::string& name, const char* expected) {
  return EqualsIgnoreCaseAscii(name, expected);
}
}  // namespace

Form::Form(Application& app, std::string class_name, std::string layout_name)
    : Control(nullptr),
      app_(&app),
      class_name_(std::move(class_name)),
      layout_name_(std::move(layout_name)) {
  SetOwner(this);
  SetVisible(false);
}

Form::~Form() {
  // Take every window down while all components are still whole, then free them, the last
  // made first.
  for (auto it = components_.rbegin(); it != components_.rend(); ++it) {
    if (auto* control = dynamic_cast<Control*>(it->get())) control->SetParent(nullptr);
  }
  while (!components_.empty()) components_.pop_back();
}

std::string Form::LayoutText() const {
  std::unique_ptr<Stream> stream =
      platform::OpenResource(platform::OwnModule(), "LAYOUT", layout_name_);
  std::string text(static_cast<std::size_t>(stream->Size()), '\0');
  stream->ReadBuffer(text.data(), static_cast<std::int32_t>(text.size()));
  return text;
}

void Form::Load() {
  CreatePeers();
  loading_ = true;
  try {
    ApplyLayout(LayoutText());
  } catch (...) {
    loading_ = false;
    throw;
  }
  loading_ = false;
  BindComponents();
  for (const auto& component : components_) component->Loaded();
  app_->Dispatch([this] { Notify(OnCreate); });
}

void Form::ApplyLayout(const std::string& text) {
  Layout layout = ParseLayout(text, "layout " + layout_name_);
  const std::string& source = layout.source;
  auto where = [&source](int line) { return source + " line " + std::to_string(line) + ": "; };
  if (layout.entries.empty()) throw ELayoutError(source + ": no entries");

  ClassRegistry classes = ClassRegistry::Standard();
  AddClasses(classes);
  HandlerTable handlers;
  PublishHandlers(handlers);

  auto apply = [&](Component& component, const LayoutEntry& entry) {
    for (const LayoutSetting& setting : entry.settings) {
      bool known;
      try {
        known = component.ApplySetting(setting.name, setting.value, handlers);
      } catch (const ELayoutError& e) {
        throw ELayoutError(where(setting.line) + setting.name + ": " + e.Message());
      }
      if (!known) {
        throw ELayoutError(where(setting.line) + "unknown setting '" + setting.name + "' of " +
                           entry.class_name);
      }
    }
  };

  const LayoutEntry& head = layout.entries.front();
  if (!head.parent.empty() || !Is(head.class_name, class_name_.c_str())) {
    throw ELayoutError(where(head.line) + "the first entry must be the form, of class " +
                       class_name_);
  }
  SetName(head.name);
  apply(*this, head);

  for (std::size_t i = 1; i < layout.entries.size(); ++i) {
    const LayoutEntry& entry = layout.entries[i];
    if (EqualsIgnoreCaseAscii(entry.name, Name()) || FindComponent(entry.name) != nullptr) {
      throw ELayoutError(where(entry.line) + "a second component named '" + entry.name + "'");
    }
    const ComponentFactory* factory = classes.Find(entry.class_name);
    if (factory == nullptr) {
      throw ELayoutError(where(entry.line) + "unknown class '" + entry.class_name + "'");
    }
    Component& component = Add((*factory)(*this));
    component.SetName(entry.name);
    auto* control = dynamic_cast<Control*>(&component);
    if (!entry.parent.empty()) {
      Control* parent = EqualsIgnoreCaseAscii(entry.parent, Name())
                            ? this
                            : dynamic_cast<Control*>(FindComponent(entry.parent));
      if (parent == nullptr || !parent->AcceptsControls()) {
        throw ELayoutError(where(entry.line) + "'" + entry.parent +
                           "' is no earlier form or panel");
      }
      if (control == nullptr) {
        throw ELayoutError(where(entry.line) + "'" + entry.name + "' is not a control");
      }
      control->SetParent(parent);
    } else if (control != nullptr) {
      throw ELayoutError(where(entry.line) + "the control '" + entry.name + "' needs a parent");
    }
    apply(component, entry);
  }
}

Component* Form::FindComponent(std::string_view name) const {
  for (const auto& component : components_) {
    if (EqualsIgnoreCaseAscii(component->Name(), name)) return component.get();
  }
  return nullptr;
}

Control* Form::FocusedControl() const {
  for (const auto& component : components_) {
    auto* control = dynamic_cast<Control*>(component.get());
    if (control != nullptr && control->Focused()) return control;
  }
  return nullptr;
}

namespace {
Control* FirstFocusableIn(const Control& container) {
  for (Control* child : container.ChildrenInTabOrder()) {
    if (!child->CanFocus()) continue;
    if (child->TabStop()) return child;
    if (Control* inner = FirstFocusableIn(*child)) return inner;
  }
  return nullptr;
}
}  // namespace

Control* Form::FirstFocusable() const { return FirstFocusableIn(*this); }

void Form::KeepFocus(bool lost) {
  if (loading_ || !CanFocus()) return;
  Control* focused = FocusedControl();
  const bool stranded = focused != nullptr ? !focused->CanFocus() : Focused();
  if (!lost && !stranded) return;
  // The toolkit may already have moved the focus on its own, by an order of its own; the
  // form's tab order decides.
  if (Control* first = FirstFocusable()) {
    if (first != focused) first->SetFocus();
  } else if (focused != nullptr) {
    SetFocus();
  }
}

void Form::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Changed(Aspect::kText);
}

void Form::SetClientSize(int width, int height) {
  SetBounds(Left(), Top(), width + frame_width_, height + frame_height_);
}

void Form::BoundsChanged() {
  client_width_ = Width() - frame_width_;
  client_height_ = Height() - frame_height_;
  Realign();
}

void Form::WindowResized(int outer_width, int outer_height, int client_width, int client_height) {
  frame_width_ = outer_width - client_width;
  frame_height_ = outer_height - client_height;
  TakeBounds(Left(), Top(), outer_width, outer_height);
}

void Form::SetBorderStyle(BorderStyle style) {
  border_style_ = style;
  Changed(Aspect::kContent);
}

void Form::SetBorderIcons(BorderIcons icons) {
  border_icons_ = icons;
  Changed(Aspect::kContent);
}

void Form::SetStayOnTop(bool stay_on_top) {
  stay_on_top_ = stay_on_top;
  Changed(Aspect::kContent);
}

void Form::SetPosition(FormPosition position) {
  position_ = position;
  Changed(Aspect::kContent);
}

void Form::SetWindowState(WindowState state) {
  window_state_ = state;
  Changed(Aspect::kContent);
}

void Form::Close() {
  bool can_close = true;
  if (OnCloseQuery) OnCloseQuery(*this, can_close);
  if (!can_close) return;
  Hide();
  if (app_->MainForm() == this) app_->Terminate();
}

bool Form::HandleDialogKey(DialogKey key) {
  if (key == DialogKey::kEnter) {
    if (auto* focused = dynamic_cast<Button*>(FocusedControl());
        focused != nullptr && focused->CanFocus()) {
      focused->Click();
      return true;
    }
  }
  for (const auto& component : components_) {
    auto* button = dynamic_cast<Button*>(component.get());
    if (button == nullptr || !button->CanFocus()) continue;
    if (key == DialogKey::kEnter ? button->Default() : button->Cancel()) {
      button->Click();
      return true;
    }
  }
  return false;
}

bool Form::ApplySetting(const std::string& name, const LayoutValue& value,
                        const HandlerTable& handlers) {
  if (Is(name, "Caption")) {
    SetCaption(value.Text());
  } else if (Is(name, "ClientSize")) {
    std::vector<int> v = value.Ints(2, 2);
    SetClientSize(v[0], v[1]);
  } else if (Is(name, "BorderStyle")) {
    const std::string& w = value.Word();
    if (Is(w, "None")) {
      SetBorderStyle(BorderStyle::kNone);
    } else if (Is(w, "Single")) {
      SetBorderStyle(BorderStyle::kSingle);
    } else if (Is(w, "Sizeable")) {
      SetBorderStyle(BorderStyle::kSizeable);
    } else if (Is(w, "Dialog")) {
      SetBorderStyle(BorderStyle::kDialog);
    } else {
      throw ELayoutError("unknown border style '" + w + "'");
    }
  } else if (Is(name, "BorderIcons")) {
    BorderIcons icons{false, false, false};
    for (const std::string& w : value.List()) {
      if (Is(w, "SystemMenu")) {
        icons.system_menu = true;
      } else if (Is(w, "Minimize")) {
        icons.minimize = true;
      } else if (Is(w, "Maximize")) {
        icons.maximize = true;
      } else {
        throw ELayoutError("unknown border icon '" + w + "'");
      }
    }
    SetBorderIcons(icons);
  } else if (Is(name, "StayOnTop")) {
    SetStayOnTop(value.Bool());
  } else if (Is(name, "Position")) {
    const std::string& w = value.Word();
    if (Is(w, "ScreenCenter")) {
      SetPosition(FormPosition::kScreenCenter);
    } else if (Is(w, "Designed")) {
      SetPosition(FormPosition::kDesigned);
    } else {
      throw ELayoutError("unknown position '" + w + "'");
    }
  } else if (Is(name, "WindowState")) {
    const std::string& w = value.Word();
    if (Is(w, "Maximized")) {
      SetWindowState(WindowState::kMaximized);
    } else if (Is(w, "Minimized")) {
      SetWindowState(WindowState::kMinimized);
    } else if (Is(w, "Normal")) {
      SetWindowState(WindowState::kNormal);
    } else {
      throw ELayoutError("unknown window state '" + w + "'");
    }
  } else if (Is(name, "OnCreate")) {
    OnCreate = handlers.Get<NotifyEvent>(value.Word());
  } else if (Is(name, "OnCloseQuery")) {
    OnCloseQuery = handlers.Get<CloseQueryEvent>(value.Word());
  } else {
    return Control::ApplySetting(name, value, handlers);
  }
  return true;
}

}  // namespace brontel::ui
