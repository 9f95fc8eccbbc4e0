// A top-level window made from a layout. A form class names its layout resource, may add
// component classes, publishes its event handlers and looks its components up after loading.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"
#include "ui/events.h"
#include "ui/exceptions.h"

namespace brontel::ui {

class ClassRegistry;
class HandlerTable;

enum class BorderStyle { kNone, kSingle, kSizeable, kDialog };
enum class WindowState { kNormal, kMaximized, kMinimized };
enum class FormPosition { kDesigned, kScreenCenter };
enum class DialogKey { kEnter, kEscape };

struct BorderIcons {
  bool system_menu = true;
  bool minimize = true;
  bool maximize = true;
  friend bool operator==(const BorderIcons&, const BorderIcons&) = default;
};

class Form : public Control {
 public:
  // `class_name` is the class the layout's first entry must name; `layout_name` the name of the
  // layout resource (type "LAYOUT") read by LayoutText().
  Form(Application& app, std::string class_name, std::string layout_name);
  ~Form() override;

  std::string ClassName() const override { return class_name_; }
  ControlKind Kind() const override { return ControlKind::kForm; }
  bool AcceptsControls() const override { return true; }
  Application& GetApplication() const { return *app_; }

  // Makes the window: reads and applies the layout, binds the published handlers, lets the
  // class find its components, then raises OnCreate through the application. Called once, by
  // Application::CreateForm. Raises ELayoutError for a layout that does not fit, and whatever a
  // component raises while its settings are applied.
  void Load();

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);

  int ClientWidth() const override { return client_width_; }
  int ClientHeight() const override { return client_height_; }
  // Sets the client area; the outer size follows with the frame the backend last reported.
  void SetClientSize(int width, int height);

  BorderStyle GetBorderStyle() const { return border_style_; }
  void SetBorderStyle(BorderStyle style);
  const BorderIcons& GetBorderIcons() const { return border_icons_; }
  void SetBorderIcons(BorderIcons icons);
  bool StayOnTop() const { return stay_on_top_; }
  void SetStayOnTop(bool stay_on_top);
  FormPosition Position() const { return position_; }
  void SetPosition(FormPosition position);
  WindowState GetWindowState() const { return window_state_; }
  void SetWindowState(WindowState state);

  // Asks OnCloseQuery; when the close is allowed hides the form, and for the application's main
  // form requests termination.
  void Close();

  // Enter presses the focused button, else the showing, enabled default button; Escape presses
  // the showing, enabled cancel button. Returns whether a button was pressed.
  bool HandleDialogKey(DialogKey key);

  // The backend's report of the window's real size, in layout units.
  void WindowResized(int outer_width, int outer_height, int client_width, int client_height);

  // Components in creation order (the form itself not included).
  const std::vector<std::unique_ptr<Component>>& Components() const { return components_; }
  Component* FindComponent(std::string_view name) const;
  // The component `name` as a T. Raises ELayoutError when there is none or it is no T.
  template <class T>
  T& Get(std::string_view name) const {
    T* found = dynamic_cast<T*>(FindComponent(name));
    if (found == nullptr) {
      throw ELayoutError(class_name_ + " has no component '" + std::string(name) +
                         "' of the expected class");
    }
    return *found;
  }
  // Adds a component made by code; it is owned by the form.
  template <class T>
  T& Add(std::unique_ptr<T> component) {
    T& ref = *component;
    components_.push_back(std::move(component));
    return ref;
  }
  // The control that has the keyboard focus, or null.
  Control* FocusedControl() const;
  // The first control in tab order (depth first through the panels) that is a tab stop and
  // can take the focus, or null.
  Control* FirstFocusable() const;
  // Called after a control of this form was shown, hidden, enabled or disabled; `lost` tells
  // that the focus was on it or inside it. The focus goes to the first focusable control when
  // it was lost, or when it sits nowhere a user could act from (the window itself, a hidden or
  // disabled control); with no focusable control the window itself keeps it. A control that
  // holds the focus and can keep it keeps it. Nothing happens while the window is inactive.
  void KeepFocus(bool lost);
  bool IsLoading() const { return loading_; }

  NotifyEvent OnCreate;
  CloseQueryEvent OnCloseQuery;

  bool ApplySetting(const std::string& name, const LayoutValue& value,
                    const HandlerTable& handlers) override;

 protected:
  // The layout's text. By default the resource of type "LAYOUT" named by `layout_name`; a
  // form class may give it otherwise (tests give it inline).
  virtual std::string LayoutText() const;
  // Adds the classes beyond the standard ones that the layout names.
  virtual void AddClasses(ClassRegistry&) {}
  // Publishes the handlers the layout binds by name.
  virtual void PublishHandlers(HandlerTable&) {}
  // Looks up the components the class works with (after the layout has been applied).
  virtual void BindComponents() {}

  void BoundsChanged() override;

 private:
  void ApplyLayout(const std::string& text);

  Application* app_;
  std::string class_name_;
  std::string layout_name_;
  std::vector<std::unique_ptr<Component>> components_;
  bool loading_ = false;
  std::string caption_;
  int client_width_ = 0;
  int client_height_ = 0;
  int frame_width_ = 0;  // outer minus client, as last reported by the backend
  int frame_height_ = 0;
  BorderStyle border_style_ = BorderStyle::kSizeable;
  BorderIcons border_icons_;
  bool stay_on_top_ = false;
  FormPosition position_ = FormPosition::kDesigned;
  WindowState window_state_ = WindowState::kNormal;
};

}  // namespace brontel::ui
