#include "platform/posix/user_reg_parser.h"

#include <gtest/gtest.h>

#include "base/exception.h"
#include "platform/tests/scoped_env.h"

namespace brontel::platform {
namespace {

using namespace std::string_literals;

// A hive with one value of every form the file can hold, CRLF line ends in places, comments,
// a key given twice and keys whose parents are never written.
const std::string kHive =
    "WINE REGISTRY Version 2\n"
    ";; All keys relative to \\\\User\\\\S-1-5-21\n"
    "\n"
    "#arch=win32\n"
    "[Control Panel\\\\Colors] 1700000000\r\n"
    "#time=1d9a1b2c3d4e5f6\r\n"
    "\"ButtonFace\"=\"212 208 200\"\r\n"
    "\"Escapes\"=\"a\\\\b\\\"c\\n\\r\\t\\0d\\a\\b\\e\\f\\v\\q\"\n"
    "\"Wide\"=\"caf\\xe9 \\x20ac \\x4e2d \\x41\"\n"
    "\"Utf8\"=\"caf\xc3\xa9 \xe2\x82\xac \xe4\xb8\xad \xff\"\n"
    "\"Empty\"=\"\"\n"
    "\n"
    "[Environment] 1700000001\n"
    "@=\"the default\"\n"
    "\"Path\"=str(2):\"%USERPROFILE%\\\\bin\"\n"
    "\"List\"=str(7):\"one\\0two\\0\"\n"
    "\"Count\"=dword:0000ffff\n"
    "\"Small\"=dword:7\n"
    "\"Blob\"=hex:aa,bb,0c\n"
    "\"NoBytes\"=hex:\n"
    "\"WideExpand\"=hex(2):41,00,e9,00,ac,20,2d,4e,3d,d8,00,de,\\\n"
    "  42,00,00,00\n"
    "\"WideList\"=hex(7):61,00,00,00,62,00,00,00,00,00\n"
    "\"None\"=hex(0):\n"
    "\"Qword\"=hex(b):01,02,03,04,05,06,07,08\n"
    "  \"Indented\" = \"spaced\"\n"
    "[control panel\\\\colors] 1700000002\n"
    "\"Window\"=\"255 255 255\"\n";

RegistryValue Get(const RegistryView& view, const std::string& key, const std::string& name) {
  const auto value = view.Value(key, name);
  EXPECT_TRUE(value.has_value()) << key << " / " << name;
  return value.value_or(RegistryValue{RegistryType::kOther, "<missing>"});
}

TEST(UserRegParserTest, ReadsEveryValueForm) {
  const auto hive = ParseUserReg(kHive, "user.reg");
  struct Case {
    const char* key;
    const char* name;
    RegistryType type;
    std::string data;
  } const cases[] = {
      {"Control Panel\\Colors", "ButtonFace", RegistryType::kString, "212 208 200"},
      {"Control Panel\\Colors", "Escapes", RegistryType::kString, "a\\b\"c\n\r\t\0d\a\b\x1b\f\vq"s},
      {"Control Panel\\Colors", "Wide", RegistryType::kString, "caf\xe9 \x80 ? A"},
      {"Control Panel\\Colors", "Utf8", RegistryType::kString, "caf\xe9 \x80 ? \xff"},
      {"Control Panel\\Colors", "Empty", RegistryType::kString, ""},
      {"Control Panel\\Colors", "Window", RegistryType::kString, "255 255 255"},
      {"Environment", "", RegistryType::kString, "the default"},
      {"Environment", "Path", RegistryType::kExpandString, "%USERPROFILE%\\bin"},
      {"Environment", "List", RegistryType::kMultiString, "one\0two"s},
      {"Environment", "Count", RegistryType::kDword, "\xff\xff\0\0"s},
      {"Environment", "Small", RegistryType::kDword, "\x07\0\0\0"s},
      {"Environment", "Blob", RegistryType::kBinary, "\xaa\xbb\x0c"},
      {"Environment", "NoBytes", RegistryType::kBinary, ""},
      {"Environment", "WideExpand", RegistryType::kExpandString, "A\xe9\x80??B"},
      {"Environment", "WideList", RegistryType::kMultiString, "a\0b"s},
      {"Environment", "None", RegistryType::kOther, ""},
      {"Environment", "Qword", RegistryType::kOther, "\x01\x02\x03\x04\x05\x06\x07\x08"},
      {"Environment", "Indented", RegistryType::kString, "spaced"},
  };
  for (const Case& c : cases) {
    const RegistryValue value = Get(*hive, c.key, c.name);
    EXPECT_EQ(value.type, c.type) << c.name;
    EXPECT_EQ(value.data, c.data) << c.name;
  }
}

TEST(UserRegParserTest, KeysAndNamesMatchWithoutRegardToCase) {
  const auto hive = ParseUserReg(kHive, "user.reg");
  EXPECT_TRUE(hive->KeyExists("CONTROL PANEL\\colors"));
  EXPECT_TRUE(hive->KeyExists("Control Panel"));  // Parents exist though never written.
  EXPECT_TRUE(hive->KeyExists(""));
  EXPECT_FALSE(hive->KeyExists("Control Panel\\Desktop"));
  EXPECT_FALSE(hive->KeyExists("Control"));
  EXPECT_EQ(Get(*hive, "control panel\\COLORS", "buttonface").data, "212 208 200");
  EXPECT_FALSE(hive->Value("Control Panel\\Colors", "Missing").has_value());
  EXPECT_FALSE(hive->Value("Nowhere", "ButtonFace").has_value());
}

TEST(UserRegParserTest, ReportsMalformedFilesWithFileAndLine) {
  const std::string head = "WINE REGISTRY Version 2\n[Key] 0\n";
  struct Case {
    std::string text;
    int line;
    const char* reason;
  } const cases[] = {
      {"", 1, "not a Wine registry file (the first line must be \"WINE REGISTRY Version 2\")"},
      {"REGEDIT4\n[Key]\n", 1, "not a Wine registry file"},
      {"\0\xff\xfe garbage"s, 1, "not a Wine registry file"},
      {"WINE REGISTRY Version 2\n\"a\"=\"b\"\n", 2, "value outside of a key"},
      {"WINE REGISTRY Version 2\n[Key\\\\Sub 0\n", 2, "unterminated key"},
      {"WINE REGISTRY Version 2\n[] 0\n", 2, "empty key name"},
      {head + "\"a\"=\"open\n\"b\"=\"c\"\n", 3, "unterminated string"},
      {head + "\"a\"=\"ends in \\", 3, "unterminated string"},
      {head + "\"a\"=\"\\xzz\"\n", 3, "\\x without hexadecimal digits"},
      {head + "\"a\"\"b\"\n", 3, "'=' expected after the value name"},
      {head + "@\n", 3, "'=' expected after the value name"},
      {head + "\"a\"=\"b\" c\n", 3, "unexpected text after the value"},
      {head + "\"a\"=text\n", 3, "unrecognised value data"},
      {head + "\"a\"=str(2)\"x\"\n", 3, "malformed str(N): value"},
      {head + "\"a\"=dword:\n", 3, "a dword needs 1 to 8 hexadecimal digits"},
      {head + "\"a\"=dword:123456789\n", 3, "a dword needs 1 to 8 hexadecimal digits"},
      {head + "\"a\"=dword:12g\n", 3, "a dword needs 1 to 8 hexadecimal digits"},
      {head + "\"a\"=hex(2:41,00\n", 3, "malformed hex(N): value"},
      {head + "\"a\"=hex:aa,zz\n", 3, "bad byte \"zz\" in hex data"},
      {head + "\"a\"=hex:aaa\n", 3, "bad byte \"aaa\" in hex data"},
      {head + "\"a\"=hex:aa,,bb\n", 3, "bad byte \"\" in hex data"},
      {head + "\"a\"=hex:aa,\n", 3, "hex data ends with a comma"},
      {head + "\"a\"=hex(7):61,00,\\\n", 3, "value continued past the end of the file"},
      {head + "\"a\"=hex:aa,\\\n  zz\n", 4, "bad byte \"zz\" in hex data"},
      {head + "\"a\"=\"b\"\nstray words\n", 4, "unrecognised line"},
  };
  for (const Case& c : cases) {
    const std::string expected = "Malformed registry file \"/prefix/user.reg\" at line " +
                                 std::to_string(c.line) + ": " + c.reason;
    try {
      ParseUserReg(c.text, "/prefix/user.reg");
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const ERegistryException& e) {
      EXPECT_EQ(e.Message().substr(0, expected.size()), expected) << c.text;
    }
  }
}

// Any cut of a well-formed file either parses or is reported; none may crash or read past the
// text (the address sanitizer build checks the latter).
TEST(UserRegParserTest, EveryTruncationParsesOrRaises) {
  for (std::size_t length = 0; length <= kHive.size(); ++length) {
    const std::string cut = kHive.substr(0, length);
    try {
      ParseUserReg(cut, "cut.reg");
    } catch (const ERegistryException& e) {
      EXPECT_TRUE(e.Message().starts_with("Malformed registry file \"cut.reg\" at line "));
    }
  }
}

TEST(UserRegParserTest, LoadsFromFileAndNamesAnUnreadableOne) {
  testing::TempDir dir;
  const auto file = dir.Write("user.reg", kHive);
  EXPECT_EQ(LoadUserReg(file.string())->Value("Environment", "Path")->data, "%USERPROFILE%\\bin");

  const std::string missing = (dir.path() / "absent.reg").string();
  try {
    LoadUserReg(missing);
    ADD_FAILURE() << "a missing file loaded";
  } catch (const ERegistryException& e) {
    EXPECT_EQ(e.Message(),
              "Cannot read registry file \"" + missing + "\": No such file or directory");
  }
}

}  // namespace
}  // namespace brontel::platform
