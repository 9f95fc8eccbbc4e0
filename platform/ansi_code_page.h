// The system's 8-bit text is in the Western ANSI code page (windows-1252: Latin-1 with printable
// characters in 0x80-0x9F). These convert between it and Unicode where the host hands us
// Unicode, for instance UTF-16 strings stored by a Wine registry.
#pragma once

#include <string>
#include <string_view>

namespace brontel::platform {

// The 8-bit character for a Unicode code point, or '?' when the code page has none.
char CodePointToAnsi(char32_t code_point);

// Converts UTF-16 code units to 8-bit text, one byte per character. A surrogate pair stands for
// one character; it and any unpaired surrogate become '?', as does every unmappable character.
std::string Utf16ToAnsi(std::u16string_view text);

// Converts 8-bit text to UTF-16, one code unit per byte. Never fails.
std::u16string AnsiToUtf16(std::string_view text);

}  // namespace brontel::platform
