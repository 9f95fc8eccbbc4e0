#include "gradient/color_scheme.h"

#include <gtest/gtest.h>

#include "base/exception.h"
#include "gradient/gradient.h"
#include "gradient/tests/scheme_hive.h"
#include "platform/testing/temp_drive_map.h"
#include "ui/exceptions.h"

namespace brontel {
namespace {

struct Rgb {
  std::int32_t red, green, blue;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

std::ostream& operator<<(std::ostream& out, const Rgb& c) {
  return out << "(" << c.red << ", " << c.green << ", " << c.blue << ")";
}

Rgb Parse(const std::string& text) {
  Rgb c{-1, -1, -1};
  ParseColorText(text, c.red, c.green, c.blue);
  return c;
}

Rgb Resolve(TColor color) {
  Rgb c{-1, -1, -1};
  ResolveColor(color, c.red, c.green, c.blue);
  return c;
}

TEST(ParseColorTextTest, NumbersShareOnePosition) {
  struct Case {
    const char* text;
    Rgb expected;
  } const cases[] = {
      {"212 208 200", {212, 208, 200}},
      {"0  128 255", {0, 0, 128}},  // a second blank ends the next number at once
      {" 1 2 3", {0, 1, 2}},        // a leading blank gives red 0
      {"255", {255, 0, 0}},         // numbers past the end stay 0
      {"300 0 0", {300, 0, 0}},     // no range check here
      {"", {0, 0, 0}},
      {"1 2 3 x", {1, 2, 3}},         // nothing after the third number's blank is read
      {"4294967297 0 0", {1, 0, 0}},  // 32-bit arithmetic wraps
  };
  for (const Case& c : cases) EXPECT_EQ(Parse(c.text), c.expected) << '"' << c.text << '"';
}

TEST(ParseColorTextTest, AnythingButDigitsAndBlanksFails) {
  struct Case {
    const char* text;
    const char* message;
  } const cases[] = {
      {"12a 0 0", "'a' is not a valid integer value"},
      {"1 -2 3", "'-' is not a valid integer value"},
      {"1 2 +3", "'+' is not a valid integer value"},
      {"1\t2 3", "'\t' is not a valid integer value"},
  };
  for (const Case& c : cases) {
    try {
      Parse(c.text);
      ADD_FAILURE() << "accepted " << c.text;
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
  }
}

class SchemeTest : public testing::Test {
 protected:
  platform::testing::TempDriveMap map_;
};

TEST_F(SchemeTest, SystemColoursComeFromTheScheme) {
  WriteColorScheme(map_,
                   "\"ButtonFace\"=\"212 208 200\"\n"
                   "\"Window\"=str(2):\"1 2 3\"\n"
                   "\"InfoWindow\"=\"\"\n");
  EXPECT_EQ(Resolve(ui::clBtnFace), (Rgb{212, 208, 200}));
  EXPECT_EQ(Resolve(ui::clWindow), (Rgb{1, 2, 3}));        // expandable strings count too
  EXPECT_EQ(Resolve(ui::clInfoBk), (Rgb{0x18, 0, 0}));     // empty text: the index itself
  EXPECT_EQ(Resolve(ui::clHighlight), (Rgb{0x0D, 0, 0}));  // missing value
  EXPECT_EQ(ReadSchemeColor("ButtonFace"), "212 208 200");
}

TEST_F(SchemeTest, ColoursWithoutASchemeValueSplitThemselves) {
  WriteColorScheme(map_, "\"Scrollbar\"=\"9 9 9\"\n\"ButtonFace\"=\"212 208 200\"\n");
  EXPECT_EQ(Resolve(ui::clScrollBar), (Rgb{0, 0, 0}));
  EXPECT_EQ(Resolve(ui::clNone), (Rgb{255, 255, 255}));
  EXPECT_EQ(Resolve(ui::RgbColor(1, 2, 3)), (Rgb{1, 2, 3}));
  EXPECT_EQ(Resolve(0x8000000F | 0x100), (Rgb{0x0F, 0x01, 0}));  // not a system colour
  EXPECT_EQ(Resolve(0x80000019), (Rgb{0x19, 0, 0}));             // past the last system colour
}

TEST_F(SchemeTest, NoHiveMeansNoSchemeValues) {
  EXPECT_EQ(Resolve(ui::clBtnFace), (Rgb{15, 0, 0}));
}

TEST_F(SchemeTest, ValuesOfOtherTypesFail) {
  WriteColorScheme(map_, "\"ButtonFace\"=dword:00000001\n");
  try {
    Resolve(ui::clBtnFace);
    FAIL() << "a dword read as a colour";
  } catch (const ERegistryException& e) {
    EXPECT_EQ(e.Message(), "Invalid data type for 'ButtonFace'");
  }
}

TEST_F(SchemeTest, TableUsesResolvedColoursAndKeepsItsContentsOnFailure) {
  WriteColorScheme(map_,
                   "\"ButtonFace\"=\"300 0 0\"\n"
                   "\"Window\"=\"12a 0 0\"\n");
  TGradient gradient(nullptr);
  EXPECT_THROW(gradient.SetColorStart(ui::clBtnFace), ui::EInvalidOperation);
  EXPECT_THROW(gradient.SetColorEnd(ui::clBtnFace), ui::EInvalidOperation);
  EXPECT_EQ(gradient.ColorTable()[0], ui::RgbColor(44, 0, 0));  // 300 keeps its low 8 bits
  EXPECT_EQ(gradient.ColorTable()[255], ui::RgbColor(44, 0, 0));

  const std::array<TColor, 256> before = gradient.ColorTable();
  EXPECT_THROW(gradient.SetColorStart(ui::clWindow), EConvertError);
  EXPECT_EQ(gradient.ColorStart(), ui::clWindow);
  EXPECT_EQ(gradient.ColorTable(), before);
}

}  // namespace
}  // namespace brontel
