// The application object: title, forms, the message loop, termination, and the one place where
// event handlers are called and their exceptions are shown.
#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/backend.h"
#include "ui/message_dlg.h"

namespace brontel::platform {
class FileSystem;
}

namespace brontel::ui {

class Form;

// Answers a message box instead of the user. Sees every box, including those that close at
// once during termination (request.closed_by_termination; the answer is then not used).
using DialogHook = std::function<ModalResult(const MessageBoxRequest& request)>;

class Application {
 public:
  // Takes the backend (not null). Becomes Application::Current() until destroyed; at most one
  // application exists at a time.
  explicit Application(std::unique_ptr<Backend> backend);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // The living application, or null.
  static Application* Current();

  const std::string& Title() const { return title_; }
  void SetTitle(std::string title) { title_ = std::move(title); }
  // The windows' icon from picture bytes that outlive the application.
  void SetIcon(std::span<const unsigned char> picture);

  // Creates a form of class F (constructed from *this and `args`), owned by the application.
  // `reference` refers to it before its layout is loaded, so its creation handler may use it.
  // The first form created becomes the main form. Raises what loading raises (ELayoutError, a
  // control's own failure); `reference` is then null and no form is kept.
  template <class F, class... Args>
  F& CreateForm(F*& reference, Args&&... args);
  // Destroys a form made by CreateForm and sets `reference` to null.
  template <class F>
  void DestroyForm(F*& reference) {
    Release(reference);
    reference = nullptr;
  }
  Form* MainForm() const { return main_form_; }

  // Shows the main form and runs the message loop until termination is requested.
  void Run();
  // Requests termination: the loop ends, and from now on every modal box closes at once with
  // kCancel.
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Handles every pending message and returns.
  void ProcessMessages();
  // Runs `task` later from the message loop, through Dispatch.
  void Post(std::function<void()> task);

  // Calls an event handler. An exception that escapes it is shown by HandleException and does
  // not travel further.
  void Dispatch(const std::function<void()>& handler);
  // Shows an error box: the application title, the stop icon, OK, the message followed by ".".
  void HandleException(const std::exception& error);

  // Shows a modal box: through the hook when one is installed, else through the backend.
  // During termination the box closes at once with kCancel.
  ModalResult ShowMessageBox(MessageBoxRequest request);
  // Installs (or, with an empty function, removes) the hook that answers boxes.
  void SetDialogHook(DialogHook hook) { dialog_hook_ = std::move(hook); }

  // The file system the controls use; FileSystem::Default() unless a test set another, which
  // must outlive the application.
  platform::FileSystem& FileSystem() const { return *file_system_; }
  void SetFileSystem(platform::FileSystem* file_system);

  Backend& GetBackend() const { return *backend_; }

 private:
  void Adopt(std::unique_ptr<Form> form);
  void Release(Form* form);

  std::unique_ptr<Backend> backend_;
  std::string title_;
  std::vector<std::unique_ptr<Form>> forms_;
  Form* main_form_ = nullptr;
  bool terminated_ = false;
  DialogHook dialog_hook_;
  platform::FileSystem* file_system_;
};

}  // namespace brontel::ui

#include "ui/form.h"

namespace brontel::ui {

template <class F, class... Args>
F& Application::CreateForm(F*& reference, Args&&... args) {
  auto owned = std::make_unique<F>(*this, std::forward<Args>(args)...);
  F& form = *owned;
  reference = &form;
  Adopt(std::move(owned));
  try {
    form.Load();
  } catch (...) {
    reference = nullptr;
    Release(&form);
    throw;
  }
  if (main_form_ == nullptr) main_form_ = &form;
  return form;
}

}  // namespace brontel::ui
