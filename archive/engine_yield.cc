#include "archive/engine_io.h"
#include "platform/process.h"

namespace brontel::engine {

// The engine gives up the processor after each chunk read and before each full write, so a
// long expansion leaves room to other threads and processes.
void YieldProcessor() { platform::Process::Default()->Yield(); }

}  // namespace brontel::engine
