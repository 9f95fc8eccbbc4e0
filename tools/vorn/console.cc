#include "tools/vorn/console.h"

namespace brontel::vorn {

std::ostream& Console::Err() {
  EndProgress();
  return err_;
}

void Console::Status(std::string line) {
  if (!show_progress_) return;
  const std::size_t width = line.size();
  if (width < shown_) line.append(shown_ - width, ' ');
  err_ << '\r' << line << std::flush;
  shown_ = width;
}

void Console::Progress(const std::string& what, std::int32_t percent) {
  Status(what + " " + std::to_string(percent) + "%");
}

void Console::EndProgress() {
  if (shown_ == 0) return;
  err_ << '\r' << std::string(shown_, ' ') << '\r' << std::flush;
  shown_ = 0;
}

}  // namespace brontel::vorn
