#include <unistd.h>

#include "tools/vorn/terminal.h"

namespace brontel::vorn {

bool StderrIsTerminal() { return isatty(STDERR_FILENO) == 1; }

}  // namespace brontel::vorn
