// The modules the installer starts, in their order.
#pragma once

#include "setup/modules.h"

namespace brontel {

// Adds the program's modules to `modules`, in start-up order.
void AddProgramModules(ProgramModules& modules);

}  // namespace brontel
