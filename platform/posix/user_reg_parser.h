// Reads the current user's hive from a Wine prefix's user.reg, a text file:
//
//   WINE REGISTRY Version 2
//   ;; comment            #arch=win32          (";" and "#" lines are passed over)
//   [Control Panel\\Colors] 1700000000        (a key, "\" doubled; the stamp is ignored)
//   @="default value"                         (the key's default value)
//   "Window"="255 255 255"                    (a string; \\ \" \0 \xHHHH and C escapes)
//   "Path"=str(2):"%HOME%\\bin"               (str(N): a string of type N, 2 expandable,
//   "List"=str(7):"a\0b\0"                     7 multi-string)
//   "Count"=dword:0000ffff                    (up to 8 hex digits)
//   "Blob"=hex:aa,bb,cc                       (binary)
//   "Wide"=hex(2):41,00,42,00,00,00,\         (hex(N): type N, N in hex; a trailing "\"
//     43,00                                    continues the bytes on the next line)
//
// Strings stored in hex(1), hex(2) and hex(7) form are UTF-16LE and are converted to the 8-bit
// code page ('?' for what it cannot show); so are \x escapes and UTF-8 text in quoted strings.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/memory_registry_view.h"

namespace brontel::platform {

// Parses the text of a user.reg file. `file_name` only names the file in error messages.
// Raises ERegistryException ("Malformed registry file "<file>" at line <n>: <reason>") on the
// first line it cannot read; never reads past `text`.
std::shared_ptr<MemoryRegistryView> ParseUserReg(std::string_view text,
                                                 const std::string& file_name);

// Reads and parses the file at host path `host_path`. Raises ERegistryException when the file
// cannot be read or is malformed.
std::shared_ptr<MemoryRegistryView> LoadUserReg(const std::string& host_path);

}  // namespace brontel::platform
