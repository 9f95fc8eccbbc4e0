#include "platform/registry.h"

#include <gtest/gtest.h>

#include "base/exception.h"
#include "platform/memory_registry_view.h"
#include "platform/posix/user_reg_parser.h"

namespace brontel::platform {
namespace {

using namespace std::string_literals;

constexpr char kColors[] = "Control Panel\\Colors";

std::shared_ptr<MemoryRegistryView> ColorScheme() {
  auto view = std::make_shared<MemoryRegistryView>();
  view->SetValue(kColors, "ButtonFace", {RegistryType::kString, "212 208 200"});
  view->SetValue(kColors, "Expand", {RegistryType::kExpandString, "%WINDIR%\\x"});
  view->SetValue(kColors, "Cut", {RegistryType::kString, "1 2 3\0 junk"s});
  view->SetValue(kColors, "EmptyText", {RegistryType::kString, ""});
  view->SetValue(kColors, "EmptyDword", {RegistryType::kDword, ""});
  view->SetValue(kColors, "EmptyBinary", {RegistryType::kBinary, ""});
  view->SetValue(kColors, "Count", {RegistryType::kDword, "\x01\0\0\0"s});
  view->SetValue(kColors, "Blob", {RegistryType::kBinary, "\x01"});
  view->SetValue(kColors, "List", {RegistryType::kMultiString, "a\0b"s});
  view->SetValue(kColors, "Odd", {RegistryType::kOther, "x"});
  view->SetValue("", "AtRoot", {RegistryType::kString, "root"});
  return view;
}

TEST(RegistryTest, ReadStringFollowsTheTypeRules) {
  Registry registry(ColorScheme());
  ASSERT_TRUE(registry.OpenKey(kColors, false));
  struct Case {
    const char* name;
    const char* text;
  } const reads[] = {
      {"ButtonFace", "212 208 200"},
      {"buttonface", "212 208 200"},
      {"Expand", "%WINDIR%\\x"},
      {"Cut", "1 2 3"},
      {"EmptyText", ""},
      {"EmptyDword", ""},
      {"EmptyBinary", ""},
      {"Missing", ""},
  };
  for (const Case& c : reads) EXPECT_EQ(registry.ReadString(c.name), c.text) << c.name;

  for (const char* name : {"Count", "Blob", "List", "Odd"}) {
    try {
      registry.ReadString(name);
      ADD_FAILURE() << name << " read as a string";
    } catch (const ERegistryException& e) {
      EXPECT_EQ(e.Message(), "Invalid data type for '"s + name + "'");
    }
  }
}

TEST(RegistryTest, NothingIsReadWithoutAnOpenKey) {
  Registry registry(ColorScheme());
  EXPECT_EQ(registry.ReadString("AtRoot"), "");
  EXPECT_EQ(registry.ReadString("Count"), "");  // No type error either.
  ASSERT_TRUE(registry.OpenKey(kColors, false));
  registry.CloseKey();
  EXPECT_EQ(registry.ReadString("ButtonFace"), "");
  EXPECT_EQ(registry.CurrentPath(), "");
}

TEST(RegistryTest, OpensExistingKeysAbsoluteOrRelativeAndNeverCreates) {
  Registry registry(ColorScheme());
  EXPECT_FALSE(registry.OpenKey("Control Panel\\Desktop", true));
  EXPECT_FALSE(registry.OpenKey("\\Control Panel\\Desktop", true));
  EXPECT_FALSE(registry.OpenKey("Control Panel\\Desktop", false));
  EXPECT_EQ(registry.ReadString("ButtonFace"), "");

  ASSERT_TRUE(registry.OpenKey("\\CONTROL PANEL", false));
  EXPECT_EQ(registry.CurrentPath(), "CONTROL PANEL");
  ASSERT_TRUE(registry.OpenKey("colors", false));  // Relative to the open key.
  EXPECT_EQ(registry.CurrentPath(), "CONTROL PANEL\\colors");
  EXPECT_EQ(registry.ReadString("ButtonFace"), "212 208 200");

  // A failed open keeps the key that was open.
  EXPECT_FALSE(registry.OpenKey("Colors", false));
  EXPECT_EQ(registry.ReadString("ButtonFace"), "212 208 200");

  ASSERT_TRUE(registry.OpenKey("\\", false));
  EXPECT_EQ(registry.ReadString("AtRoot"), "root");
  ASSERT_TRUE(registry.OpenKey("\\Control Panel\\Colors\\", false));
  EXPECT_EQ(registry.ReadString("ButtonFace"), "212 208 200");
}

// The two places the installer reads, as a Wine prefix stores them.
TEST(RegistryTest, ReadsTheInstallersValuesFromAUserReg) {
  const auto hive = ParseUserReg(
      "WINE REGISTRY Version 2\n"
      "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Explorer\\\\Shell Folders] 1\n"
      "\"Programs\"=\"C:\\\\users\\\\me\\\\Start Menu\\\\Programs\"\n"
      "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Explorer\\\\User Shell Folders] 1\n"
      "\"Programs\"=str(2):\"%USERPROFILE%\\\\Start Menu\\\\Programs\"\n"
      "[Control Panel\\\\Colors] 1\n"
      "\"ButtonFace\"=dword:00c8d0d4\n"
      "\"Window\"=hex(2):32,00,35,00,35,00,00,00\n",
      "user.reg");
  Registry registry(hive);
  ASSERT_TRUE(registry.OpenKey(
      "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", false));
  EXPECT_EQ(registry.ReadString("Programs"), "C:\\users\\me\\Start Menu\\Programs");
  ASSERT_TRUE(registry.OpenKey(
      "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders", false));
  EXPECT_EQ(registry.ReadString("Programs"), "%USERPROFILE%\\Start Menu\\Programs");

  Registry colors(hive);
  colors.OpenKey("Control Panel\\Colors", false);
  EXPECT_EQ(colors.ReadString("Window"), "255");
  EXPECT_EQ(colors.ReadString("Menu"), "");
  try {
    colors.ReadString("ButtonFace");
    ADD_FAILURE() << "a dword read as a string";
  } catch (const ERegistryException& e) {
    EXPECT_EQ(e.Message(), "Invalid data type for 'ButtonFace'");
  }
}

}  // namespace
}  // namespace brontel::platform
