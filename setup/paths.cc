#include "setup/paths.h"

namespace brontel {

std::string WithTrailingBackslash(const std::string& path) {
  if (path.size() > 1 && path.back() != '\\') return path + "\\";
  return path;
}

}  // namespace brontel
