// File-name helper of the shortcut code.
#pragma once

#include <string>

namespace brontel {

// `name` with its extension replaced by "." + `extension`. Without `keep_folder` only the file
// name is kept: what follows the last "\" or ":", at most 255 characters. The extension is what
// follows the last "." of the file name; a file name without "." just gains the new one, even
// when a folder name before it holds a ".".
std::string ReplaceExtension(const std::string& name, const std::string& extension,
                             bool keep_folder);

}  // namespace brontel
