// The system's 8-bit text ("ANSI") and UTF-16, the text of the component-object interfaces. On
// POSIX hosts the 8-bit text is UTF-8, the encoding of host file names.
#pragma once

#include <string>
#include <string_view>

namespace brontel::platform {

// Converts 8-bit text to UTF-16. Bytes that do not form a character become U+FFFD.
std::u16string AnsiToUtf16(std::string_view text);
// Converts UTF-16 to 8-bit text. Unpaired surrogates become U+FFFD.
std::string Utf16ToAnsi(std::u16string_view text);

}  // namespace brontel::platform
