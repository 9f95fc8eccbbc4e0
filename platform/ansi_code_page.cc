#include "platform/ansi_code_page.h"

#include <array>

namespace brontel::platform {

namespace {

// Unicode of the bytes 0x80-0x9F. The five bytes the code page leaves undefined map to the C1
// control of the same number, as the host's own conversion does, so they survive a round trip.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

char CodePointToAnsi(char32_t code_point) {
  if (code_point < 0x80 || (code_point >= 0xA0 && code_point <= 0xFF)) {
    return static_cast<char>(code_point);
  }
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == code_point) return static_cast<char>(0x80 + i);
  }
  return '?';
}

std::string Utf16ToAnsi(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      ++i;  // Every character beyond the basic plane is outside the code page.
      out.push_back('?');
    } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      out.push_back('?');
    } else {
      out.push_back(CodePointToAnsi(unit));
    }
  }
  return out;
}

std::u16string AnsiToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    out.push_back(byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80]
                                               : static_cast<char16_t>(byte));
  }
  return out;
}

}  // namespace brontel::platform
