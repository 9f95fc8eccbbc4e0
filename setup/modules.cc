#include "setup/modules.h"

#include <exception>

namespace brontel {

ProgramModules::~ProgramModules() {
  try {
    Shutdown();
  } catch (...) {
    // Nothing is left to report to at this point.
  }
}

void ProgramModules::AddModule(std::string name, StartStep start) {
  names_.push_back(std::move(name));
  starts_.push_back(std::move(start));
}

void ProgramModules::AddShutdownStep(std::function<void()> step) {
  shutdown_steps_.push_back(std::move(step));
}

void ProgramModules::Start() {
  for (const StartStep& start : starts_) start(*this);
}

void ProgramModules::Shutdown() {
  std::exception_ptr first_failure;
  while (!shutdown_steps_.empty()) {
    std::function<void()> step = std::move(shutdown_steps_.back());
    shutdown_steps_.pop_back();
    try {
      step();
    } catch (...) {
      if (!first_failure) first_failure = std::current_exception();
    }
  }
  if (first_failure) std::rethrow_exception(first_failure);
}

}  // namespace brontel
