// The Qt 6 Widgets backend of the forms layer.
#pragma once

#include <memory>

#include "ui/backend.h"

namespace brontel::ui::qt {

// Makes the backend, and the Qt application object when there is none yet; the latter then
// lives until ShutdownToolkit (or the process's end) and is shared by later backends. No
// command-line argument reaches Qt. Qt picks its platform as usual (QT_QPA_PLATFORM).
std::unique_ptr<Backend> CreateQtBackend();

// Destroys the Qt application object made by CreateQtBackend. Call after every backend and
// application is gone; a later CreateQtBackend makes a new one.
void ShutdownToolkit();

}  // namespace brontel::ui::qt
