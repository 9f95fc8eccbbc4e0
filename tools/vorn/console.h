// Where vorn's commands write: results on `out`, errors on `err`, and a progress line on `err`
// only when `err` is a terminal, so logs and pipes never see carriage returns.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

namespace brontel::vorn {

class Console {
 public:
  Console(std::ostream& out, std::ostream& err, bool show_progress)
      : out_(out), err_(err), show_progress_(show_progress) {}

  std::ostream& Out() { return out_; }
  // Clears any progress line first.
  std::ostream& Err();
  // `text` in place of the previous progress line; nothing unless progress is shown.
  void Status(std::string text);
  // Status "<what> NN%".
  void Progress(const std::string& what, std::int32_t percent);
  // Removes the progress line, if any.
  void EndProgress();

 private:
  std::ostream& out_;
  std::ostream& err_;
  bool show_progress_;
  std::size_t shown_ = 0;  // width of the progress line on screen
};

}  // namespace brontel::vorn
