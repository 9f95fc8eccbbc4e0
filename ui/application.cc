#include "ui/application.h"

#include <algorithm>

#include "platform/file_system.h"
#include "ui/exceptions.h"

namespace brontel::ui {

namespace {
Application* current = nullptr;
}  // namespace

Application::Application(std::unique_ptr<Backend> backend)
    : backend_(std::move(backend)), file_system_(platform::FileSystem::Default()) {
  if (current != nullptr) throw EInvalidOperation("An application exists already");
  current = this;
}

Application::~Application() {
  // Forms go in the order opposite to their creation, while the backend still lives.
  while (!forms_.empty()) forms_.pop_back();
  current = nullptr;
}

Application* Application::Current() { return current; }

void Application::SetIcon(std::span<const unsigned char> picture) { backend_->SetIcon(picture); }

void Application::SetFileSystem(platform::FileSystem* file_system) {
  file_system_ = file_system != nullptr ? file_system : platform::FileSystem::Default();
}

void Application::Adopt(std::unique_ptr<Form> form) { forms_.push_back(std::move(form)); }

void Application::Release(Form* form) {
  if (form == nullptr) return;
  if (main_form_ == form) main_form_ = nullptr;
  auto it = std::find_if(forms_.begin(), forms_.end(),
                         [form](const std::unique_ptr<Form>& f) { return f.get() == form; });
  if (it == forms_.end()) return;
  // Take it out of the list first: its destruction may run code that looks at the forms.
  std::unique_ptr<Form> doomed = std::move(*it);
  forms_.erase(it);
}

void Application::Run() {
  if (main_form_ != nullptr && !terminated_) main_form_->Show();
  while (!terminated_) backend_->WaitAndProcess();
}

void Application::Terminate() {
  terminated_ = true;
  backend_->Wake();
}

void Application::ProcessMessages() { backend_->ProcessMessages(); }

void Application::Post(std::function<void()> task) {
  backend_->Post([this, task = std::move(task)] { Dispatch(task); });
}

void Application::Dispatch(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    HandleException(error);
  }
}

void Application::HandleException(const std::exception& error) {
  MessageBoxRequest request;
  request.kind = MsgDlgType::kError;
  request.title = title_;
  request.text = std::string(error.what()) + ".";
  request.icon = MsgIcon::kStop;
  request.buttons = mbOK;
  request.default_button = ModalResult::kOk;
  request.cancel_button = ModalResult::kOk;
  ShowMessageBox(std::move(request));
}

ModalResult Application::ShowMessageBox(MessageBoxRequest request) {
  if (terminated_) {
    request.closed_by_termination = true;
    if (dialog_hook_) dialog_hook_(request);
    return ModalResult::kCancel;
  }
  if (dialog_hook_) return dialog_hook_(request);
  return backend_->ShowMessageBox(request);
}

}  // namespace brontel::ui
