// vorn: creates, lists, tests and extracts archives of the installer's format.
#include <iostream>
#include <string>
#include <vector>

#include "tools/vorn/console.h"
#include "tools/vorn/run.h"
#include "tools/vorn/terminal.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  brontel::vorn::Console console(std::cout, std::cerr, brontel::vorn::StderrIsTerminal());
  return brontel::vorn::Run(args, console);
}
