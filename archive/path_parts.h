// Pieces of the Windows paths the component builds by concatenation.
#pragma once

#include <string>

namespace brontel {

// Everything up to and including the last "\" or ":"; empty when there is neither.
inline std::string FolderPart(const std::string& path) {
  const auto at = path.find_last_of("\\:");
  return at == std::string::npos ? std::string() : path.substr(0, at + 1);
}

}  // namespace brontel
