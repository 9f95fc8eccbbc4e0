#include <gtest/gtest.h>

#include "base/strings.h"

namespace brontel {
namespace {

TEST(StringsTest, CaseChangesTouchOnlyAsciiLetters) {
  EXPECT_EQ(UpperAscii("sites.ini\xe9"), "SITES.INI\xe9");
  EXPECT_EQ(LowerAscii("C:\\TEMP"), "c:\\temp");
  EXPECT_TRUE(EqualsIgnoreCaseAscii("README.TXT", "readme.txt"));
  EXPECT_FALSE(EqualsIgnoreCaseAscii("sub\\readme.txt", "readme.txt"));
  EXPECT_FALSE(EqualsIgnoreCaseAscii("\xe9", "\xc9"));
}

TEST(StringsTest, FormatAndHex) {
  EXPECT_EQ(FormatS("Cannot create file %s", "C:\\x"), "Cannot create file C:\\x");
  EXPECT_EQ(FormatS("no directive", "x"), "no directive");
  EXPECT_EQ(HexUpper(0), "0");
  EXPECT_EQ(HexUpper(0x80004005u), "80004005");
  EXPECT_EQ(HexUpper(0xABCu), "ABC");
}

}  // namespace
}  // namespace brontel
