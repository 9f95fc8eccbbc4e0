// The installer's start-up and shut-down order.
#pragma once

#include <functional>
#include <memory>

#include "setup/modules.h"
#include "ui/application.h"
#include "ui/backend.h"

namespace brontel {

using BackendFactory = std::function<std::unique_ptr<ui::Backend>()>;

// Runs the installer and returns the exit code:
//  1. registers the forms layer's own shut-down step (it then runs last);
//  2. starts `modules` in their order;
//  3. makes the application object (its backend from `make_backend`), titled "Setup", with the
//     program icon (resource ICON "MAINICON") when it is there;
//  4. creates frmMain from its layout (FormCreate runs) and makes it the main window; a failure
//     here is shown as an error box and ends the program with 1;
//  5. calls `ready` (when given) with the application, then runs the message loop, showing the
//     main window maximised, until termination is requested;
//  6. runs the shut-down steps, the last registered first: the modules' steps, then the
//     application object and its windows go.
int RunSetup(ProgramModules& modules, const BackendFactory& make_backend,
             const std::function<void(ui::Application&)>& ready = {});

}  // namespace brontel
