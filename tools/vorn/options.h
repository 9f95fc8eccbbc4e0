// The command line of vorn: a command, its options and its operands.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace brontel::vorn {

enum class Command { kHelp, kCreate, kList, kTest, kExtract };

struct Options {
  Command command = Command::kHelp;
  int method = 2;                  // create: 0 "non", 1 "rle", 2 "lzh"
  std::int32_t key = 0;            // create, test, extract
  std::string archive;             // host path
  std::vector<std::string> files;  // create: the files; extract: the names to extract
  std::string target;              // extract: host folder or Windows path
};

// A command line that does not fit the usage; the message says what is wrong.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The text shown with a usage error and for "vorn help", ending in a newline.
const char* UsageText();

// Parses the arguments after the program name. Options ("-m X", "-k N") may come anywhere
// before "--"; each command accepts only its own. Raises UsageError.
Options ParseOptions(const std::vector<std::string>& args);

}  // namespace brontel::vorn
