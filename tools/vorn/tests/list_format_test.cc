#include "tools/vorn/list_command.h"

#include <gtest/gtest.h>

#include "archive/vondral.h"

namespace brontel::vorn {
namespace {

TEST(ListFormatTest, DosDateTimesReadFieldByField) {
  EXPECT_EQ(FormatDosDateTime(0x2347900D), "1997-10-07 18:00:26");
  EXPECT_EQ(FormatDosDateTime(0x00210000), "1980-01-01 00:00:00");
  EXPECT_EQ(FormatDosDateTime(0xFF9FBF7D), "2107-12-31 23:59:58");
}

TEST(ListFormatTest, MethodIdsByNumber) {
  EXPECT_EQ(EntryMethodId(0, "LZH"), "NON");
  EXPECT_EQ(EntryMethodId(1, "LZH"), "RLE");
  EXPECT_EQ(EntryMethodId(2, "RLE"), "LZH");
  EXPECT_EQ(EntryMethodId(3, "CUS"), "CUS");
  EXPECT_EQ(EntryMethodId(3, "XYZ"), "XYZ");
  EXPECT_EQ(EntryMethodId(9, "LZH"), "#9");
}

TEST(ListFormatTest, OneAlignedLinePerEntry) {
  TStringList entries;
  auto first = std::make_unique<TVondralFileInfo>();
  first->OriginalSize = 2006;
  first->CompressedSize = 935;
  first->Method = 2;
  first->Checksum = 0x27DE1;
  first->FileDate = 0x2347900D;
  entries.Add("SITES.INI", std::move(first));
  auto second = std::make_unique<TVondralFileInfo>();
  second->OriginalSize = 0;
  second->Method = 0;
  second->FileDate = 0x00210000;
  second->Locked = true;
  entries.Add("sub\\readme.txt", std::move(second));
  entries.Add("no information");  // lines without an entry object are not entries

  EXPECT_EQ(FormatListing(entries, "LZH"),
            (std::vector<std::string>{
                "SITES.INI             2006         935  LZH  00027DE1  1997-10-07 18:00:26",
                "sub\\readme.txt           0           0  NON  00000000  1980-01-01 00:00:00"
                "  locked",
            }));
}

}  // namespace
}  // namespace brontel::vorn
