#include <sched.h>

#include "archive/engine_io.h"

namespace brontel::engine {

// The engine gives up the processor after each chunk read and before each full write, so a
// long expansion leaves room to other threads and processes.
void YieldProcessor() { sched_yield(); }

}  // namespace brontel::engine
