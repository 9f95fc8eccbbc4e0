// The link file codec: what it writes (checked against the published layout), that it reads
// back what it wrote, that it reads a link the shell itself made, and that malformed input is
// refused without reading outside it.
#include "platform/posix/shell_link_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/shell_link.h"

namespace brontel::platform {
namespace {

// The published sample of the format: a shortcut to C:\test\a.txt made by the shell, with an
// item-id list, a LinkInfo, relative path, working folder and a link-tracking extra block.
const std::vector<std::uint8_t> kShellMadeLink = {
    0x4C, 0x00, 0x00, 0x00, 0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x46, 0x9B, 0x00, 0x08, 0x00, 0x20, 0x00, 0x00, 0x00, 0xD0, 0xE9, 0xEE, 0xF2,
    0x15, 0x15, 0xC9, 0x01, 0xD0, 0xE9, 0xEE, 0xF2, 0x15, 0x15, 0xC9, 0x01, 0xD0, 0xE9, 0xEE, 0xF2,
    0x15, 0x15, 0xC9, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xBD, 0x00, 0x14, 0x00,
    0x1F, 0x50, 0xE0, 0x4F, 0xD0, 0x20, 0xEA, 0x3A, 0x69, 0x10, 0xA2, 0xD8, 0x08, 0x00, 0x2B, 0x30,
    0x30, 0x9D, 0x19, 0x00, 0x2F, 0x43, 0x3A, 0x5C, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46, 0x00, 0x31, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x2C, 0x39, 0x69, 0xA3, 0x10, 0x00, 0x74, 0x65, 0x73, 0x74, 0x00, 0x00, 0x32,
    0x00, 0x07, 0x00, 0x04, 0x00, 0xEF, 0xBE, 0x2C, 0x39, 0x65, 0xA3, 0x2C, 0x39, 0x69, 0xA3, 0x26,
    0x00, 0x00, 0x00, 0x03, 0x1E, 0x00, 0x00, 0x00, 0x00, 0xF5, 0x1E, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x74, 0x00, 0x65, 0x00, 0x73, 0x00, 0x74, 0x00, 0x00, 0x00, 0x14,
    0x00, 0x48, 0x00, 0x32, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2C, 0x39, 0x69, 0xA3, 0x20, 0x00, 0x61,
    0x2E, 0x74, 0x78, 0x74, 0x00, 0x34, 0x00, 0x07, 0x00, 0x04, 0x00, 0xEF, 0xBE, 0x2C, 0x39, 0x69,
    0xA3, 0x2C, 0x39, 0x69, 0xA3, 0x26, 0x00, 0x00, 0x00, 0x2D, 0x6E, 0x00, 0x00, 0x00, 0x00, 0x96,
    0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x61, 0x00, 0x2E, 0x00, 0x74,
    0x00, 0x78, 0x00, 0x74, 0x00, 0x00, 0x00, 0x14, 0x00, 0x00, 0x00, 0x3C, 0x00, 0x00, 0x00, 0x1C,
    0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x1C, 0x00, 0x00, 0x00, 0x2D, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x3B, 0x00, 0x00, 0x00, 0x11, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x81,
    0x8A, 0x7A, 0x30, 0x10, 0x00, 0x00, 0x00, 0x00, 0x43, 0x3A, 0x5C, 0x74, 0x65, 0x73, 0x74, 0x5C,
    0x61, 0x2E, 0x74, 0x78, 0x74, 0x00, 0x00, 0x07, 0x00, 0x2E, 0x00, 0x5C, 0x00, 0x61, 0x00, 0x2E,
    0x00, 0x74, 0x00, 0x78, 0x00, 0x74, 0x00, 0x07, 0x00, 0x43, 0x00, 0x3A, 0x00, 0x5C, 0x00, 0x74,
    0x00, 0x65, 0x00, 0x73, 0x00, 0x74, 0x00, 0x60, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0xA0, 0x58,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x63, 0x68, 0x72, 0x69, 0x73, 0x2D, 0x78, 0x70, 0x73,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x40, 0x78, 0xC7, 0x94, 0x47, 0xFA, 0xC7, 0x46, 0xB3,
    0x56, 0x5C, 0x2D, 0xC6, 0xB6, 0xD1, 0x15, 0xEC, 0x46, 0xCD, 0x7B, 0x22, 0x7F, 0xDD, 0x11, 0x94,
    0x99, 0x00, 0x13, 0x72, 0x16, 0x87, 0x4A, 0x40, 0x78, 0xC7, 0x94, 0x47, 0xFA, 0xC7, 0x46, 0xB3,
    0x56, 0x5C, 0x2D, 0xC6, 0xB6, 0xD1, 0x15, 0xEC, 0x46, 0xCD, 0x7B, 0x22, 0x7F, 0xDD, 0x11, 0x94,
    0x99, 0x00, 0x13, 0x72, 0x16, 0x87, 0x4A, 0x00, 0x00, 0x00, 0x00};

std::uint32_t U32At(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
         (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
std::uint16_t U16At(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

ShellLinkData FullLink() {
  ShellLinkData link;
  link.target = "C:\\Program Files\\Brontel\\BRONTEL.EXE";
  link.description = "C:\\Program Files\\Brontel\\BRONTEL.EXE";
  link.working_directory = "Z:\\opt\\setup\\";
  link.arguments = "-quiet";
  link.icon_location = "C:\\Program Files\\Brontel\\BRONTEL.EXE";
  link.icon_index = 2;
  link.show_command = kSW_SHOWMAXIMIZED;
  link.hotkey = static_cast<std::uint16_t>((kHOTKEYF_CONTROL | kHOTKEYF_ALT) << 8 | 'B');
  link.file_attributes = 0x20;
  link.creation_time = 0x01C91515F2EEE9D0;
  link.access_time = 0x01C91515F2EEE9D1;
  link.write_time = 0x01C91515F2EEE9D2;
  link.file_size = 123456;
  return link;
}

TEST(ShellLinkFileTest, HeaderFieldsSitWhereTheFormatPutsThem) {
  const auto bytes = EncodeShellLink(FullLink());
  ASSERT_GE(bytes.size(), 0x4Cu);
  EXPECT_EQ(U32At(bytes, 0x00), 0x4Cu);
  const std::vector<std::uint8_t> clsid(bytes.begin() + 4, bytes.begin() + 20);
  EXPECT_EQ(clsid,
            std::vector<std::uint8_t>(kShellMadeLink.begin() + 4, kShellMadeLink.begin() + 20));
  // LinkInfo, name, working folder, arguments, icon location; 8-bit strings.
  EXPECT_EQ(U32At(bytes, 0x14), 0x02u | 0x04u | 0x10u | 0x20u | 0x40u);
  EXPECT_EQ(U32At(bytes, 0x18), 0x20u);
  EXPECT_EQ(U32At(bytes, 0x1C), 0xF2EEE9D0u);
  EXPECT_EQ(U32At(bytes, 0x34), 123456u);
  EXPECT_EQ(U32At(bytes, 0x38), 2u);
  EXPECT_EQ(U32At(bytes, 0x3C), 3u);
  EXPECT_EQ(U16At(bytes, 0x40), 0x0642u);
  // The LinkInfo follows the header directly and names the target as its local base path.
  const std::uint32_t base = U32At(bytes, 0x4C + 16);
  const std::string local(reinterpret_cast<const char*>(&bytes[0x4C + base]));
  EXPECT_EQ(local, "C:\\Program Files\\Brontel\\BRONTEL.EXE");
  // The file ends with the terminal extra-data block.
  EXPECT_EQ(U32At(bytes, bytes.size() - 4), 0u);
}

TEST(ShellLinkFileTest, ReadsBackWhatItWrites) {
  ShellLinkData relative;
  relative.target = "Brontel";
  ShellLinkData western = FullLink();
  western.target = "C:\\Programme\\Br\xF6ntel\\BRONTEL.EXE";
  western.description = "\x80 \xFF";
  const ShellLinkData cases[] = {FullLink(), relative, ShellLinkData{}, western};
  for (const auto& link : cases) {
    SCOPED_TRACE(link.target);
    const auto back = DecodeShellLink(EncodeShellLink(link));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, link);
  }
}

TEST(ShellLinkFileTest, ADriveTargetIsWrittenUpToItsFirstNul) {
  ShellLinkData cut = FullLink();
  cut.target = "C:\\P";
  ShellLinkData with_nul = cut;
  with_nul.target += std::string("\0tail", 5);
  EXPECT_EQ(EncodeShellLink(with_nul), EncodeShellLink(cut));
}

TEST(ShellLinkFileTest, TextStaysInTheEightBitCodePage) {
  ShellLinkData link = FullLink();
  link.target = "C:\\Br\xF6ntel\\B.EXE";
  link.description = "\x80 2.02";
  const auto bytes = EncodeShellLink(link);
  EXPECT_EQ(U32At(bytes, 0x14) & 0x80u, 0u);  // no UTF-16 strings
  EXPECT_EQ(U32At(bytes, 0x4C + 4), 0x1Cu);   // nor a UTF-16 copy of the path
  const std::string local(reinterpret_cast<const char*>(&bytes[0x4C + U32At(bytes, 0x4C + 16)]));
  EXPECT_EQ(local, link.target);
}

TEST(ShellLinkFileTest, EmptyPropertiesAreLeftOut) {
  const auto bytes = EncodeShellLink(ShellLinkData{});
  EXPECT_EQ(U32At(bytes, 0x14), 0u);
  EXPECT_EQ(bytes.size(), 0x4Cu + 4u);
}

TEST(ShellLinkFileTest, ShowCommandsAreRecordedAsTheFormatKnowsThem) {
  const struct {
    std::int32_t given;
    std::int32_t recorded;
  } cases[] = {{1, 1}, {3, 3}, {7, 7}, {2, 7}, {6, 7}, {11, 7}, {0, 1}, {5, 1}, {10, 1}, {-1, 1}};
  for (const auto& c : cases) {
    ShellLinkData link;
    link.show_command = c.given;
    const auto bytes = EncodeShellLink(link);
    EXPECT_EQ(static_cast<std::int32_t>(U32At(bytes, 0x3C)), c.recorded) << c.given;
    EXPECT_EQ(DecodeShellLink(bytes)->show_command, c.recorded) << c.given;
  }
}

TEST(ShellLinkFileTest, ReadsALinkMadeByTheShell) {
  const auto link = DecodeShellLink(kShellMadeLink);
  ASSERT_TRUE(link.has_value());
  EXPECT_EQ(link->target, "C:\\test\\a.txt");
  EXPECT_EQ(link->working_directory, "C:\\test");
  EXPECT_EQ(link->description, "");
  EXPECT_EQ(link->arguments, "");
  EXPECT_EQ(link->icon_location, "");
  EXPECT_EQ(link->show_command, 1);
  EXPECT_EQ(link->hotkey, 0);
  EXPECT_EQ(link->file_attributes, 0x20u);
  EXPECT_EQ(link->creation_time, 0x01C91515F2EEE9D0u);
}

TEST(ShellLinkFileTest, Utf16CharactersOutsideTheCodePageReadAsQuestionMarks) {
  auto bytes = kShellMadeLink;
  // The working folder's "C" becomes U+4E2D, which the code page lacks, and its "\" becomes
  // U+00E9, which it has.
  bytes[0x159] = 0x2D;
  bytes[0x15A] = 0x4E;
  bytes[0x15D] = 0xE9;
  const auto link = DecodeShellLink(bytes);
  ASSERT_TRUE(link.has_value());
  EXPECT_EQ(link->working_directory, "?:\xE9test");
}

TEST(ShellLinkFileTest, RefusesMalformedFiles) {
  const auto good = EncodeShellLink(FullLink());
  const std::uint32_t info_size = U32At(good, 0x4C);
  struct Case {
    const char* what;
    std::size_t at;
    std::uint8_t value;
  };
  const Case cases[] = {
      {"header size", 0x00, 0x4D},
      {"class", 0x04, 0x02},
      {"LinkInfo larger than the file", 0x4C + 1, 0x40},
      {"LinkInfo header size between the two known ones", 0x4C + 4, 0x20},
      {"LinkInfo header larger than the LinkInfo", 0x4C + 4, 0xF0},
      {"base path offset outside the LinkInfo", 0x4C + 16, 0xF0},
      {"VolumeID too small", 0x4C + 0x1C, 0x10},
      {"unterminated path suffix", 0x4C + info_size - 1, 'x'},
      {"string count past the end", 0x4C + info_size + 1, 0x40},
      {"item-id list announced but absent", 0x14, 0x03},
  };
  for (const auto& c : cases) {
    auto bad = good;
    bad[c.at] = c.value;
    EXPECT_FALSE(DecodeShellLink(bad).has_value()) << c.what;
  }
  EXPECT_FALSE(DecodeShellLink({}).has_value());
}

TEST(ShellLinkFileTest, RefusesABrokenItemIdListAndExtraBlock) {
  auto list = kShellMadeLink;
  list[0x4C] += 2;  // the list claims two bytes more than its items and terminator
  EXPECT_FALSE(DecodeShellLink(list).has_value());
  auto block = kShellMadeLink;
  block[0x167] = 0x05;  // an extra-data block too small for its own header
  EXPECT_FALSE(DecodeShellLink(block).has_value());
}

// A file may end between extra-data blocks, where the terminal block would begin; every other
// truncation leaves something incomplete.
TEST(ShellLinkFileTest, EveryTruncationIsRefusedExceptBetweenExtraBlocks) {
  const auto ours = EncodeShellLink(FullLink());
  const struct {
    const std::vector<std::uint8_t>& whole;
    std::vector<std::size_t> block_starts;
  } cases[] = {{ours, {ours.size() - 4}}, {kShellMadeLink, {0x167, 0x167 + 0x60}}};
  for (const auto& c : cases) {
    for (std::size_t size = 0; size < c.whole.size(); ++size) {
      const std::vector<std::uint8_t> part(c.whole.begin(), c.whole.begin() + size);
      const bool between_blocks =
          std::find(c.block_starts.begin(), c.block_starts.end(), size) != c.block_starts.end();
      EXPECT_EQ(DecodeShellLink(part).has_value(), between_blocks)
          << size << " of " << c.whole.size();
    }
  }
}

// Whatever a damaged file decodes to is a link this codec can write and read back unchanged.
TEST(ShellLinkFileTest, DamagedFilesDecodeToWritableLinksOrNothing) {
  int decoded = 0;
  for (const auto& whole : {EncodeShellLink(FullLink()), kShellMadeLink}) {
    for (std::size_t at = 0; at < whole.size(); ++at) {
      for (std::uint8_t mask : {0x01, 0x40}) {
        auto bad = whole;
        bad[at] ^= mask;
        const auto link = DecodeShellLink(bad);
        if (!link) continue;
        ++decoded;
        const auto again = DecodeShellLink(EncodeShellLink(*link));
        ASSERT_TRUE(again.has_value()) << at;
        EXPECT_EQ(*again, *link) << at;
      }
    }
  }
  EXPECT_GT(decoded, 0);
}

}  // namespace
}  // namespace brontel::platform
