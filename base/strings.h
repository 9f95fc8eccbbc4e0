// Small string helpers shared by every layer. Text is 8-bit; only the ASCII letters a-z/A-Z
// take part in case changes, as the system's own comparisons do.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace brontel {

// Copies `text` with a-z made capital; every other byte is left alone.
std::string UpperAscii(std::string_view text);
// Copies `text` with A-Z made small; every other byte is left alone.
std::string LowerAscii(std::string_view text);
// True when a and b have the same length and match byte by byte, a-z matching A-Z.
bool EqualsIgnoreCaseAscii(std::string_view a, std::string_view b);
// Replaces the first "%s" in `pattern` with `value` (no other directives are interpreted).
std::string FormatS(std::string_view pattern, std::string_view value);
// Capital hexadecimal digits without leading zeros ("0" for 0).
std::string HexUpper(std::uint32_t value);

}  // namespace brontel
