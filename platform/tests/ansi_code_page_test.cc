#include "platform/ansi_code_page.h"

#include <gtest/gtest.h>

namespace brontel::platform {
namespace {

TEST(AnsiCodePageTest, ConvertsBothWays) {
  const struct {
    std::string ansi;
    std::u16string wide;
  } cases[] = {
      {"", u""},
      {"C:\\Program Files\\Brontel", u"C:\\Program Files\\Brontel"},
      {"Br\xC3\xB6ntel", u"Br\u00F6ntel"},
      {"\xE2\x82\xAC", u"\u20AC"},
      {"\xF0\x9F\x98\x80", u"\U0001F600"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AnsiToUtf16(c.ansi), c.wide) << c.ansi;
    EXPECT_EQ(Utf16ToAnsi(c.wide), c.ansi) << c.ansi;
  }
}

TEST(AnsiCodePageTest, IllFormedInputBecomesReplacementCharacters) {
  EXPECT_EQ(AnsiToUtf16("a\xFF"
                        "b"),
            u"a\uFFFDb");
  EXPECT_EQ(AnsiToUtf16("\xC3"), u"\uFFFD");                      // truncated
  EXPECT_EQ(AnsiToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");            // overlong
  EXPECT_EQ(AnsiToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // a surrogate
  EXPECT_EQ(Utf16ToAnsi(std::u16string(1, char16_t{0xD800}) + u"x"), "\xEF\xBF\xBDx");
}

}  // namespace
}  // namespace brontel::platform
