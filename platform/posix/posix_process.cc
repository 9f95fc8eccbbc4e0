#include "platform/posix/posix_process.h"

#include <sched.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

extern char** environ;

namespace brontel::platform {

namespace {

// Spawn attributes for a program that must not inherit the installer's session, blocked
// signals or ignored signals.
class DetachedAttributes {
 public:
  DetachedAttributes() {
    posix_spawnattr_init(&attributes_);
    sigset_t none;
    sigset_t all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attributes_, &none);
    posix_spawnattr_setsigdefault(&attributes_, &all);
    posix_spawnattr_setflags(&attributes_,
                             POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
  }
  ~DetachedAttributes() { posix_spawnattr_destroy(&attributes_); }
  DetachedAttributes(const DetachedAttributes&) = delete;
  DetachedAttributes& operator=(const DetachedAttributes&) = delete;

  const posix_spawnattr_t* get() const { return &attributes_; }

 private:
  posix_spawnattr_t attributes_;
};

}  // namespace

bool PosixProcess::StartDetached(const std::vector<std::string>& argv) {
  if (argv.empty() || argv.front().empty()) return false;
  // Everything the intermediate process needs is made before the fork: in a process with
  // several threads, the forked copy must not allocate.
  std::vector<char*> arguments;
  arguments.reserve(argv.size() + 1);
  for (const std::string& argument : argv) arguments.push_back(const_cast<char*>(argument.c_str()));
  arguments.push_back(nullptr);
  const DetachedAttributes attributes;

  const pid_t intermediate = fork();
  if (intermediate < 0) return false;
  if (intermediate == 0) {
    pid_t program = 0;
    const int error =
        posix_spawnp(&program, arguments[0], nullptr, attributes.get(), arguments.data(), environ);
    _exit(error == 0 ? 0 : 1);
  }
  int status = 0;
  pid_t waited = 0;
  do {
    waited = waitpid(intermediate, &status, 0);
  } while (waited < 0 && errno == EINTR);
  return waited == intermediate && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void PosixProcess::Yield() { sched_yield(); }

std::string PosixProcess::ExecutablePath() {
  char buffer[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
  if (length <= 0 || static_cast<std::size_t>(length) >= sizeof buffer) return {};
  const std::string host(buffer, static_cast<std::size_t>(length));
  std::string path = file_system_->FromHostPath(host);
  if (!path.empty()) return path;
  path = "Z:" + host;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

}  // namespace brontel::platform
