// Started by the process tests. Writes "<pid> <session> <parent>" to <folder>/started, waits
// (at most a minute) until <folder>/release exists, then writes <folder>/finished.
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

namespace {

// Written under another name first, so a reader never sees half a file.
void Publish(const std::filesystem::path& file, const std::string& text) {
  const auto partial = file.string() + ".partial";
  std::ofstream(partial) << text;
  std::filesystem::rename(partial, file);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const std::filesystem::path folder = argv[1];
  Publish(folder / "started", std::to_string(getpid()) + " " + std::to_string(getsid(0)) + " " +
                                  std::to_string(getppid()) + "\n");
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
  while (!std::filesystem::exists(folder / "release")) {
    if (std::chrono::steady_clock::now() > deadline) return 1;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  Publish(folder / "finished", "done\n");
  return 0;
}
