#include "tools/vorn/options.h"

#include <gtest/gtest.h>

namespace brontel::vorn {
namespace {

using Args = std::vector<std::string>;

TEST(OptionsTest, ParsesEachCommandWithItsOptionsAnywhereBeforeTheOperands) {
  Options o = ParseOptions({"create", "-m", "rle", "-k", "42", "out.vorn", "a", "b/c"});
  EXPECT_EQ(o.command, Command::kCreate);
  EXPECT_EQ(o.method, 1);
  EXPECT_EQ(o.key, 42);
  EXPECT_EQ(o.archive, "out.vorn");
  EXPECT_EQ(o.files, (Args{"a", "b/c"}));

  o = ParseOptions({"create", "out.vorn", "-m", "NON", "a"});
  EXPECT_EQ(o.method, 0);
  EXPECT_EQ(o.files, Args{"a"});

  o = ParseOptions({"create", "out.vorn", "a"});
  EXPECT_EQ(o.method, 2);  // LZH unless told otherwise
  EXPECT_EQ(o.key, 0);

  o = ParseOptions({"list", "x.vorn"});
  EXPECT_EQ(o.command, Command::kList);
  EXPECT_EQ(o.archive, "x.vorn");

  o = ParseOptions({"test", "-k", "-7", "x.vorn"});
  EXPECT_EQ(o.command, Command::kTest);
  EXPECT_EQ(o.key, -7);

  o = ParseOptions({"extract", "x.vorn", "C:\\out", "readme.txt", "SITES.INI"});
  EXPECT_EQ(o.command, Command::kExtract);
  EXPECT_EQ(o.target, "C:\\out");
  EXPECT_EQ(o.files, (Args{"readme.txt", "SITES.INI"}));

  o = ParseOptions({"extract", "x.vorn", "--", "-odd-folder", "-k"});
  EXPECT_EQ(o.target, "-odd-folder");
  EXPECT_EQ(o.files, Args{"-k"});

  EXPECT_EQ(ParseOptions({"help"}).command, Command::kHelp);
  EXPECT_EQ(ParseOptions({"--help"}).command, Command::kHelp);
}

TEST(OptionsTest, RejectsWhatDoesNotFitTheUsage) {
  const Args bad[] = {
      {},
      {"pack", "x"},
      {"create", "x.vorn"},
      {"create", "-m", "zip", "x.vorn", "a"},
      {"create", "-m"},
      {"create", "-k", "12x", "x.vorn", "a"},
      {"create", "-k", "2147483648", "x.vorn", "a"},
      {"create", "-k", "", "x.vorn", "a"},
      {"list"},
      {"list", "a", "b"},
      {"list", "-k", "1", "x.vorn"},
      {"test", "-m", "lzh", "x.vorn"},
      {"test"},
      {"extract", "x.vorn"},
      {"extract", "-x", "x.vorn", "t"},
  };
  for (const auto& args : bad) {
    EXPECT_THROW(ParseOptions(args), UsageError) << ::testing::PrintToString(args);
  }
}

}  // namespace
}  // namespace brontel::vorn
