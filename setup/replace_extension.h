// File-name helper of the shortcut code.
#pragma once

#include <string>

namespace brontel {

// `name` with its extension replaced by "." + `extension`. Without `keep_folder` only the file
// name is kept: what follows the last "\" or ":", at most 255 characters. The extension is what
// follows the last "." of that text; a text without "." just gains the new one.
std::string ReplaceExtension(const std::string& name, const std::string& extension,
                             bool keep_folder);

}  // namespace brontel
