#include "tools/vorn/options.h"

#include <charconv>

#include "base/strings.h"

namespace brontel::vorn {

namespace {

Command CommandNamed(const std::string& name) {
  if (name == "create") return Command::kCreate;
  if (name == "list") return Command::kList;
  if (name == "test") return Command::kTest;
  if (name == "extract") return Command::kExtract;
  if (name == "help" || name == "-h" || name == "--help") return Command::kHelp;
  throw UsageError("unknown command '" + name + "'");
}

int MethodNamed(const std::string& name) {
  const std::string lower = LowerAscii(name);
  if (lower == "non") return 0;
  if (lower == "rle") return 1;
  if (lower == "lzh") return 2;
  throw UsageError("unknown method '" + name + "' (lzh, rle or non)");
}

std::int32_t KeyNamed(const std::string& text) {
  std::int32_t key = 0;
  const char* end = text.data() + text.size();
  const auto [at, error] = std::from_chars(text.data(), end, key);
  if (text.empty() || error != std::errc() || at != end) {
    throw UsageError("key '" + text + "' is not a 32-bit signed number");
  }
  return key;
}

}  // namespace

const char* UsageText() {
  return "usage: vorn create [-m lzh|rle|non] [-k KEY] ARCHIVE FILE...\n"
         "       vorn list ARCHIVE\n"
         "       vorn test [-k KEY] ARCHIVE\n"
         "       vorn extract [-k KEY] ARCHIVE TARGET [NAME...]\n";
}

Options ParseOptions(const std::vector<std::string>& args) {
  Options options;
  if (args.empty()) throw UsageError("no command");
  options.command = CommandNamed(args[0]);
  if (options.command == Command::kHelp) return options;

  const bool takes_method = options.command == Command::kCreate;
  const bool takes_key = options.command != Command::kList;
  std::vector<std::string> operands;
  bool options_end = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (options_end || arg.size() < 2 || arg[0] != '-') {
      operands.push_back(arg);
      continue;
    }
    if (arg == "--") {
      options_end = true;
      continue;
    }
    const bool is_method = arg == "-m" && takes_method;
    const bool is_key = arg == "-k" && takes_key;
    if (!is_method && !is_key) throw UsageError("unknown option '" + arg + "' for " + args[0]);
    if (i + 1 >= args.size()) throw UsageError("option " + arg + " needs a value");
    const std::string& value = args[++i];
    if (is_method) options.method = MethodNamed(value);
    if (is_key) options.key = KeyNamed(value);
  }

  const auto need = [&](std::size_t at_least, std::size_t at_most) {
    if (operands.size() < at_least) throw UsageError("too few operands for " + args[0]);
    if (operands.size() > at_most) throw UsageError("too many operands for " + args[0]);
  };
  switch (options.command) {
    case Command::kCreate:
      need(2, SIZE_MAX);
      options.files.assign(operands.begin() + 1, operands.end());
      break;
    case Command::kList:
    case Command::kTest:
      need(1, 1);
      break;
    case Command::kExtract:
      need(2, SIZE_MAX);
      options.target = operands[1];
      options.files.assign(operands.begin() + 2, operands.end());
      break;
    case Command::kHelp:
      break;
  }
  options.archive = operands[0];
  return options;
}

}  // namespace brontel::vorn
