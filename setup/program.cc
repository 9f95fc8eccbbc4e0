#include "setup/program.h"

#include "platform/resources.h"
#include "setup/main_form.h"

namespace brontel {

int RunSetup(ProgramModules& modules, const BackendFactory& make_backend,
             const std::function<void(ui::Application&)>& ready) {
  std::unique_ptr<ui::Application> app;
  modules.AddShutdownStep([&app] {
    frmMain = nullptr;
    app.reset();
  });
  modules.Start();

  app = std::make_unique<ui::Application>(make_backend());
  app->SetTitle("Setup");
  bool found = false;
  std::span<const unsigned char> icon = platform::OwnModule()->Find("ICON", "MAINICON", found);
  if (found) app->SetIcon(icon);

  int exit_code = 0;
  try {
    app->CreateForm(frmMain);
  } catch (const std::exception& error) {
    app->HandleException(error);
    exit_code = 1;
  }
  if (exit_code == 0) {
    if (ready) ready(*app);
    app->Run();
  }
  modules.Shutdown();
  return exit_code;
}

}  // namespace brontel
