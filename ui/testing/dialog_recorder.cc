#include "ui/testing/dialog_recorder.h"

namespace brontel::ui::testing {

DialogRecorder::DialogRecorder(Application& app) : app_(app) {
  app_.SetDialogHook([this](const MessageBoxRequest& request) {
    boxes_.push_back(request);
    if (watcher_) watcher_(request);
    if (request.closed_by_termination || answers_.empty()) return fallback_;
    ModalResult answer = answers_.front();
    answers_.pop_front();
    return answer;
  });
}

DialogRecorder::~DialogRecorder() { app_.SetDialogHook(nullptr); }

}  // namespace brontel::ui::testing
