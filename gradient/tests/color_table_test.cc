#include <gtest/gtest.h>

#include "gradient/gradient.h"
#include "ui/exceptions.h"

namespace brontel {
namespace {

using ui::RgbColor;

// A gradient with its colours set directly: the table is built without painting.
struct TableCase {
  const char* name;
  TColor start;
  TColor end;
  bool swap;
  std::vector<std::pair<int, TColor>> entries;  // index, expected colour
};

class ColorTableTest : public testing::TestWithParam<TableCase> {};

TEST_P(ColorTableTest, EntriesAreAsComputed) {
  const TableCase& c = GetParam();
  TGradient gradient(nullptr);
  // Without a parent each assignment fails at the paint, after the table has been rebuilt.
  EXPECT_THROW(gradient.SetColorStart(c.start), ui::EInvalidOperation);
  EXPECT_THROW(gradient.SetColorEnd(c.end), ui::EInvalidOperation);
  EXPECT_THROW(gradient.SetSwap(c.swap), ui::EInvalidOperation);
  for (const auto& [index, color] : c.entries) {
    EXPECT_EQ(gradient.ColorTable()[static_cast<std::size_t>(index)], color)
        << c.name << " entry " << index;
  }
}

std::vector<std::pair<int, TColor>> EveryEntry(TColor (*color_of)(int)) {
  std::vector<std::pair<int, TColor>> entries;
  for (int i = 0; i < 256; ++i) entries.emplace_back(i, color_of(i));
  return entries;
}

TColor Red(int value) { return RgbColor(static_cast<std::uint8_t>(value), 0, 0); }

INSTANTIATE_TEST_SUITE_P(
    Cases, ColorTableTest,
    testing::Values(
        TableCase{"blue to black", ui::clBlue, ui::clBlack, false, EveryEntry([](int i) {
                    return RgbColor(0, 0, static_cast<std::uint8_t>(255 - i));
                  })},
        TableCase{"black to white", ui::clBlack, ui::clWhite, false, EveryEntry([](int i) {
                    auto v = static_cast<std::uint8_t>(i);
                    return RgbColor(v, v, v);
                  })},
        TableCase{"swapped blue to black", ui::clBlue, ui::clBlack, true,
                  EveryEntry([](int i) { return RgbColor(0, 0, static_cast<std::uint8_t>(i)); })},
        TableCase{"equal colours", RgbColor(12, 200, 7), RgbColor(12, 200, 7), false,
                  EveryEntry([](int) { return RgbColor(12, 200, 7); })},
        TableCase{"red 100 to 0",
                  Red(100),
                  ui::clBlack,
                  false,
                  {{0, Red(100)},
                   {1, Red(99)},
                   {2, Red(99)},
                   {3, Red(98)},
                   {4, Red(98)},
                   {5, Red(98)},
                   {6, Red(97)},
                   {7, Red(97)},
                   {252, Red(1)},
                   {253, Red(0)},
                   {254, Red(0)},
                   {255, Red(0)}}},
        // The top byte of a plain colour is ignored: the table holds plain RGB values.
        TableCase{"top byte dropped",
                  0x02FF0000,
                  0x01000000,
                  false,
                  {{0, ui::clBlue}, {255, ui::clBlack}}}),
    [](const testing::TestParamInfo<TableCase>& param_info) {
      std::string name = param_info.param.name;
      for (char& ch : name) {
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
      }
      return name;
    });

TEST(ColorTableDefaultsTest, ConstructionGivesBlackToBlueWithoutPainting) {
  TGradient gradient(nullptr);
  EXPECT_EQ(gradient.ColorStart(), ui::clBlack);
  EXPECT_EQ(gradient.ColorEnd(), ui::clBlue);
  EXPECT_EQ(gradient.Direction(), gdUpDown);
  EXPECT_FALSE(gradient.Swap());
  EXPECT_EQ(gradient.GetAlign(), ui::Align::kClient);
  for (int i = 0; i < 256; ++i) {
    EXPECT_EQ(gradient.ColorTable()[static_cast<std::size_t>(i)],
              RgbColor(0, 0, static_cast<std::uint8_t>(i)));
  }
}

TEST(ColorTableDefaultsTest, WithoutParentTheValueAndTableStayAndThePaintFails) {
  TGradient gradient(nullptr);
  gradient.SetName("Gradient9");
  try {
    gradient.SetColorStart(ui::clWhite);
    FAIL() << "painted without a parent";
  } catch (const ui::EInvalidOperation& e) {
    EXPECT_EQ(e.Message(), "Control 'Gradient9' has no parent window");
  }
  EXPECT_EQ(gradient.ColorStart(), ui::clWhite);
  EXPECT_EQ(gradient.ColorTable()[0], ui::clWhite);
}

}  // namespace
}  // namespace brontel
