#include "setup/app_modules.h"

#include "setup/shell_link.h"

namespace brontel {

void AddProgramModules(ProgramModules& modules) {
  // Each module registers its shut-down step first and then initialises, so that a module
  // started later is stopped earlier, and all of them before the forms layer.
  modules.AddModule("shell links", [](ProgramModules& m) {
    m.AddShutdownStep(ShellLinkModuleStop);
    ShellLinkModuleStart();
  });
}

}  // namespace brontel
