#include "setup/paths.h"

#include <gtest/gtest.h>

namespace brontel {
namespace {

TEST(WithTrailingBackslashTest, AddsOneWhereItIsMissing) {
  struct Case {
    const char* path;
    const char* result;
  } const cases[] = {
      {"", ""},
      {"\\", "\\"},
      {"x", "x"},
      {"C:", "C:\\"},
      {"C:\\temp", "C:\\temp\\"},
      {"C:\\temp\\", "C:\\temp\\"},
      {"c:\\", "c:\\"},
  };
  for (const Case& c : cases) EXPECT_EQ(WithTrailingBackslash(c.path), c.result) << c.path;
}

}  // namespace
}  // namespace brontel
