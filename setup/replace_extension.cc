#include "setup/replace_extension.h"

namespace brontel {

namespace {
// The longest file name the shell accepts.
constexpr std::size_t kMaxFileName = 255;
}  // namespace

std::string ReplaceExtension(const std::string& name, const std::string& extension,
                             bool keep_folder) {
  const auto separator = name.find_last_of("\\:");
  const std::size_t name_at = separator == std::string::npos ? 0 : separator + 1;
  std::string text = keep_folder ? name : name.substr(name_at, kMaxFileName);
  // Only a "." of the file name starts an extension; one in a folder name is part of the path.
  const std::size_t from = keep_folder ? name_at : 0;
  const auto dot = text.rfind('.');
  if (dot != std::string::npos && dot >= from) text.resize(dot);
  return text + "." + extension;
}

}  // namespace brontel
