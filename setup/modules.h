// The program's modules: each has a start step, run in the order added before the application
// object exists, and may register shut-down steps. At exit the shut-down steps run the last
// registered first, so a module started late is stopped before those started earlier (and
// before the forms layer, whose own step is registered first of all).
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace brontel {

class ProgramModules {
 public:
  using StartStep = std::function<void(ProgramModules& modules)>;

  ProgramModules() = default;
  // Runs the shut-down steps that have not run yet.
  ~ProgramModules();
  ProgramModules(const ProgramModules&) = delete;
  ProgramModules& operator=(const ProgramModules&) = delete;

  // Adds a module; `start` runs in Start(), after the modules added before it. The start step
  // typically registers the module's shut-down step first and then initialises.
  void AddModule(std::string name, StartStep start);
  // Registers a step for Shutdown(). May be called at any time before Shutdown().
  void AddShutdownStep(std::function<void()> step);

  // Runs every module's start step in the order added. An exception from a start step leaves
  // at once; the shut-down steps registered so far still run in Shutdown().
  void Start();
  // Runs the registered shut-down steps, the last registered first, each once. A step that
  // raises does not keep the others from running; the first exception is raised afterwards.
  void Shutdown();

  const std::vector<std::string>& ModuleNames() const { return names_; }

 private:
  std::vector<std::string> names_;
  std::vector<StartStep> starts_;
  std::vector<std::function<void()>> shutdown_steps_;
};

}  // namespace brontel
