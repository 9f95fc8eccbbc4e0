// Starting programs and giving up the processor.
#pragma once

#include <string>
#include <vector>

namespace brontel::platform {

class Process {
 public:
  virtual ~Process() = default;
  // The process-wide instance; never null, owned by the library.
  static Process* Default();

  // Starts argv[0] (searched on PATH) with the given arguments, detached: no shell, no waiting,
  // the child is never reaped by the caller. Returns false when it could not be started.
  virtual bool StartDetached(const std::vector<std::string>& argv) = 0;
  // Gives the processor to other threads and processes for a moment (a zero-length sleep).
  virtual void Yield() = 0;
  // The full Windows path of the running executable (for instance "Z:\opt\brontel-setup").
  virtual std::string ExecutablePath() = 0;
};

}  // namespace brontel::platform
