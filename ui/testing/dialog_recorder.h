// A dialog hook for tests: answers message boxes from a queue and keeps every box it saw, so
// that no test ever waits for a person.
#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "ui/application.h"

namespace brontel::ui::testing {

class DialogRecorder {
 public:
  // Installs itself as `app`'s dialog hook until destroyed; `app` must outlive it.
  explicit DialogRecorder(Application& app);
  ~DialogRecorder();
  DialogRecorder(const DialogRecorder&) = delete;
  DialogRecorder& operator=(const DialogRecorder&) = delete;

  // Queues the answer for the next box; boxes beyond the queue are answered `fallback`.
  void Answer(ModalResult result) { answers_.push_back(result); }
  void SetFallback(ModalResult result) { fallback_ = result; }
  // Calls `watcher` with each box before answering it, as a person would look at the screen
  // then (or act elsewhere, e.g. post a click). Empty: none.
  void SetWatcher(std::function<void(const MessageBoxRequest&)> watcher) {
    watcher_ = std::move(watcher);
  }

  // Every box, in the order shown (including those closed at once during termination).
  const std::vector<MessageBoxRequest>& Boxes() const { return boxes_; }
  // Answers still queued.
  std::size_t Pending() const { return answers_.size(); }

 private:
  Application& app_;
  std::deque<ModalResult> answers_;
  ModalResult fallback_ = ModalResult::kCancel;
  std::function<void(const MessageBoxRequest&)> watcher_;
  std::vector<MessageBoxRequest> boxes_;
};

}  // namespace brontel::ui::testing
