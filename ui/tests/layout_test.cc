#include "ui/layout.h"

#include <gtest/gtest.h>

#include "ui/exceptions.h"

namespace brontel::ui {
namespace {

TEST(LayoutTest, ReadsEntriesInOrderWithTheirSettings) {
  const Layout layout = ParseLayout(
      "# a comment\r\n"
      "frmTest: TfrmTest\r\n"
      "  Caption = \"Say \"\"hi\"\" at C:\\Program Files\"\r\n"
      "\n"
      "  Bounds = 1, -2 0x10 3\n"
      "Panel1: Panel in frmTest\n"
      "    # indented comment\n"
      "\tFont.Style = Bold Italic\n",
      "test");
  ASSERT_EQ(layout.entries.size(), 2u);
  const LayoutEntry& form = layout.entries[0];
  EXPECT_EQ(form.name, "frmTest");
  EXPECT_EQ(form.class_name, "TfrmTest");
  EXPECT_EQ(form.parent, "");
  EXPECT_EQ(form.line, 2);
  ASSERT_EQ(form.settings.size(), 2u);
  EXPECT_EQ(form.settings[0].name, "Caption");
  EXPECT_EQ(form.settings[0].value.Text(), "Say \"hi\" at C:\\Program Files");
  EXPECT_EQ(form.settings[1].value.Ints(4, 4), (std::vector<int>{1, -2, 16, 3}));
  EXPECT_EQ(form.settings[1].line, 5);
  const LayoutEntry& panel = layout.entries[1];
  EXPECT_EQ(panel.parent, "frmTest");
  EXPECT_EQ(panel.settings[0].value.List(), (std::vector<std::string>{"Bold", "Italic"}));
}

TEST(LayoutTest, MalformedTextNamesTheLine) {
  struct Case {
    const char* text;
    const char* message;
  } const cases[] = {
      {"  Caption = \"x\"\n", "test line 1: a setting before the first entry"},
      {"frm: TForm\n  Caption \"x\"\n", "test line 2: expected '<setting> = <value>'"},
      {"frm: TForm\n  Caption = \"x\n", "test line 2: text without closing quote"},
      {"frm: TForm\n  Caption = \"x\" y\n", "test line 2: characters after the closing quote"},
      {"frm: TForm\n  Caption =\n", "test line 2: missing value"},
      {"frm TForm\n", "test line 1: expected '<name>: <class>'"},
      {"frm: TForm inside x\n",
       "test line 1: expected '<name>: <class>' or '<name>: <class> in <parent>'"},
      {"1frm: TForm\n", "test line 1: '1frm' is not a name"},
  };
  for (const Case& c : cases) {
    try {
      ParseLayout(c.text, "test");
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const ELayoutError& e) {
      EXPECT_EQ(e.Message(), c.message) << c.text;
    }
  }
}

LayoutValue Words(std::vector<std::string> words) { return LayoutValue::Words(std::move(words)); }

TEST(LayoutTest, ValuesConvertOrSayWhyNot) {
  EXPECT_EQ(Words({"-2147483648"}).Int(), INT32_MIN);
  EXPECT_EQ(Words({"0xFFFFFFFF"}).Int(), -1);
  EXPECT_TRUE(Words({"TRUE"}).Bool());
  EXPECT_FALSE(Words({"false"}).Bool());
  EXPECT_EQ(Words({"clBtnFace"}).Color(), clBtnFace);
  EXPECT_EQ(Words({"clblue"}).Color(), clBlue);
  EXPECT_EQ(Words({"0x80000005"}).Color(), clWindow);
  EXPECT_EQ(Words({"255"}).Color(), clRed);

  const std::vector<std::pair<std::function<void()>, const char*>> failures = {
      {[] { Words({"2147483648"}).Int(); }, "'2147483648' is not a number"},
      {[] { Words({"12a"}).Int(); }, "'12a' is not a number"},
      {[] {
         Words({"1", "2"}).Int();
       },
       "expected one word"},
      {[] { LayoutValue::Quoted("1").Int(); }, "expected one word"},
      {[] {
         Words({"1", "2", "3"}).Ints(2, 2);
       },
       "expected 2 numbers"},
      {[] { Words({"1"}).Ints(2, 4); }, "expected 2 to 4 numbers"},
      {[] { Words({"yes"}).Bool(); }, "expected true or false, not 'yes'"},
      {[] { Words({"clPink"}).Color(); }, "'clPink' is not a colour"},
      {[] { Words({"x"}).Text(); }, "expected a text in double quotes"},
  };
  for (const auto& [call, message] : failures) {
    try {
      call();
      ADD_FAILURE() << "no failure, expected: " << message;
    } catch (const ELayoutError& e) {
      EXPECT_EQ(e.Message(), message);
    }
  }
}

}  // namespace
}  // namespace brontel::ui
