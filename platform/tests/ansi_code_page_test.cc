#include "platform/ansi_code_page.h"

#include <gtest/gtest.h>

namespace brontel::platform {
namespace {

TEST(AnsiCodePageTest, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte) all.push_back(static_cast<char>(byte));
  const std::u16string wide = AnsiToUtf16(all);
  ASSERT_EQ(wide.size(), 256u);
  EXPECT_EQ(Utf16ToAnsi(wide), all);
}

TEST(AnsiCodePageTest, MapsTheWesternCodePage) {
  EXPECT_EQ(AnsiToUtf16("A\xe9\x80\x9f"), u"A\u00e9\u20ac\u0178");
  EXPECT_EQ(Utf16ToAnsi(u"\u00ff\u2122\u0161"), "\xff\x99\x9a");
  // Outside the code page: CJK, an emoji as a surrogate pair, lone surrogates.
  EXPECT_EQ(Utf16ToAnsi(u"\u4e2d|\U0001F600|\xd800|\xdc00"), "?|?|?|?");
  EXPECT_EQ(CodePointToAnsi(0x0100), '?');
  EXPECT_EQ(CodePointToAnsi(0x2026), '\x85');
}

}  // namespace
}  // namespace brontel::platform
