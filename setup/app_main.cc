// The installer's entry. It reads no command-line argument.
#include <cstdio>
#include <cstdlib>

#include "setup/app_modules.h"
#include "setup/program.h"
#include "ui/qt/qt_backend.h"

namespace {

// Qt fails without a display in a way that says little; say what to do instead.
bool DisplayAvailable() {
  auto set = [](const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
  };
  return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

}  // namespace

int main() {
  if (!DisplayAvailable()) {
    std::fputs(
        "brontel-setup: no display (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
        "Run it on a desktop, or under a virtual display: xvfb-run -a brontel-setup\n",
        stderr);
    return 2;
  }
  brontel::ProgramModules modules;
  // The toolkit itself goes last of all.
  modules.AddShutdownStep(brontel::ui::qt::ShutdownToolkit);
  brontel::AddProgramModules(modules);
  return brontel::RunSetup(modules, brontel::ui::qt::CreateQtBackend);
}
