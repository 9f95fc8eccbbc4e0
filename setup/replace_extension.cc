#include "setup/replace_extension.h"

namespace brontel {

namespace {
// The longest file name the shell accepts.
constexpr std::size_t kMaxFileName = 255;
}  // namespace

std::string ReplaceExtension(const std::string& name, const std::string& extension,
                             bool keep_folder) {
  std::string text = name;
  if (!keep_folder) {
    const auto separator = name.find_last_of("\\:");
    text = separator == std::string::npos ? name : name.substr(separator + 1);
    if (text.size() > kMaxFileName) text.resize(kMaxFileName);
  }
  const auto dot = text.rfind('.');
  if (dot != std::string::npos) text.resize(dot);
  return text + "." + extension;
}

}  // namespace brontel
