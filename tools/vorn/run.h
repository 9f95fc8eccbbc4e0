// vorn's whole command line, apart from the process: parse, run the command, turn failures
// into messages and exit codes (0 success, 1 failure, 2 usage error).
#pragma once

#include <string>
#include <vector>

#include "tools/vorn/console.h"

namespace brontel::vorn {

// `args` are the arguments after the program name. Never raises.
int Run(const std::vector<std::string>& args, Console& console);

}  // namespace brontel::vorn
