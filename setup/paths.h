// Path helpers shared by the wizard, the installation sequence and the extraction dialog.
#pragma once

#include <string>

namespace brontel {

// `path` followed by "\" when it is longer than one character and does not end in "\";
// otherwise `path` unchanged ("" and "x" and "\" stay as they are, "C:" becomes "C:\").
std::string WithTrailingBackslash(const std::string& path);

}  // namespace brontel
