#include "tools/vorn/run.h"

#include <exception>

#include "tools/vorn/commands.h"
#include "tools/vorn/options.h"

namespace brontel::vorn {

int Run(const std::vector<std::string>& args, Console& console) {
  Options options;
  try {
    options = ParseOptions(args);
  } catch (const UsageError& e) {
    console.Err() << "vorn: " << e.what() << '\n' << UsageText();
    return 2;
  }
  try {
    switch (options.command) {
      case Command::kHelp:
        console.Out() << UsageText();
        return 0;
      case Command::kCreate:
        return RunCreate(options, console);
      case Command::kList:
        return RunList(options, console);
      case Command::kTest:
        return RunTest(options, console);
      case Command::kExtract:
        return RunExtract(options, console);
    }
  } catch (const std::exception& e) {
    console.Err() << "vorn: " << e.what() << '\n';
    return 1;
  }
  return 1;
}

}  // namespace brontel::vorn
