#include "setup/app_modules.h"

namespace brontel {

void AddProgramModules(ProgramModules& /*modules*/) {
  // Each module adds itself here with a start step that registers its shut-down step, e.g.
  //   modules.AddModule("shell links", StartShellLinks);
}

}  // namespace brontel
