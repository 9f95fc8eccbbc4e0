// Colours of the backdrop: system colours come from the user's colour scheme, the texts of the
// values under HKEY_CURRENT_USER "Control Panel\Colors" ("212 208 200"), not from the toolkit.
#pragma once

#include <cstdint>
#include <string>

#include "ui/color.h"

namespace brontel {

using ui::TColor;

// Red, green and blue of `color`. The 24 system colours clBackground .. clInfoBk are read from
// the colour scheme; when their text is empty, and for every other value (plain colours,
// clScrollBar, clNone), the channels are the colour's own low three bytes. Raises what
// ReadSchemeColor and ParseColorText raise.
void ResolveColor(TColor color, std::int32_t& red, std::int32_t& green, std::int32_t& blue);

// The text of value `value_name` of the scheme key, up to its first NUL, unexpanded; empty
// when the key or value is missing or the data is empty. Opens its own registry accessor each
// call. Raises ERegistryException "Invalid data type for '<name>'" for data of a non-string
// type.
std::string ReadSchemeColor(const std::string& value_name);

// Three decimal numbers separated by single blanks. The numbers share one position: each ends
// at the next blank or the end, a second blank in a row gives 0, missing numbers stay 0, and
// nothing past the third number's ending blank is read. 32-bit arithmetic without a range
// check. Raises EConvertError "'<c>' is not a valid integer value" for a character c taken into
// a number that is no digit.
void ParseColorText(const std::string& text, std::int32_t& red, std::int32_t& green,
                    std::int32_t& blue);

}  // namespace brontel
