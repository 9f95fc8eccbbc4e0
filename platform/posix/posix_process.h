// Starting programs on a POSIX host.
#pragma once

#include "platform/file_system.h"
#include "platform/process.h"

namespace brontel::platform {

class PosixProcess : public Process {
 public:
  // `file_system` names host paths as Windows paths; not owned, must outlive this object.
  explicit PosixProcess(FileSystem* file_system) : file_system_(file_system) {}

  // The program gets a session of its own and the default signal handling, and becomes a child
  // of the system's reaper: a short-lived intermediate process starts it and exits at once, and
  // only that intermediate is waited for. False when argv is empty or the program cannot be
  // found or executed.
  bool StartDetached(const std::vector<std::string>& argv) override;
  void Yield() override;
  // The host path of /proc/self/exe through the file system's reverse drive map; when no drive
  // holds it, "Z:" and the host path with "/" turned into "\". Empty if the host will not say.
  std::string ExecutablePath() override;

 private:
  FileSystem* file_system_;
};

}  // namespace brontel::platform
