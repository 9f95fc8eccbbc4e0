// Expanding entries below a target folder: selection, the check hook, the stop rule, keys,
// checksums, file errors and what stays on disk after each failure.
#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "archive/archive_exceptions.h"
#include "archive/testing/archive_builder.h"
#include "archive/tests/component_fixture.h"
#include "base/exception.h"
#include "base/memory_stream.h"

namespace brontel {
namespace {

using fixtures::ArchiveBuilder;
using fixtures::Bytes;
using fixtures::ToBytes;

constexpr std::uint8_t kCustom = 3;

// A method-3 decoder that copies the body and reports its sum plus `error`.
TExpandEvent CopyingDecoder(std::int32_t error = 0, int* calls = nullptr) {
  return [=](Stream& dest, Stream& source, std::int32_t size, std::int32_t, const std::string&,
             std::int32_t& checksum) {
    if (calls != nullptr) ++*calls;
    Bytes body(static_cast<std::size_t>(size));
    source.ReadBuffer(body.data(), size);
    dest.WriteBuffer(body.data(), size);
    checksum = static_cast<std::int32_t>(ArchiveChecksum(body)) + error;
  };
}

// Local broken-down time of a host file's last write.
std::tm LastWrite(const std::string& host_path) {
  const auto when = std::filesystem::last_write_time(host_path);
  const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(when));
  std::tm local{};
  localtime_r(&t, &local);
  return local;
}

class ExpandTest : public ComponentFixture {
 protected:
  ExpandTest() {
    MakeFolder("C:\\Dest");
    vondral_.SetTargetPath("C:\\Dest");
    vondral_.MakeDirectories = true;
  }

  std::vector<std::string> ExpandSelected(const Bytes& archive,
                                          const std::vector<std::string>& names) {
    TStringList list;
    for (const auto& name : names) list.Add(name);
    Expand(archive, &list);
    return list.Lines();
  }
};

TEST(SetTargetPathTest, AppendsOneBackslashToANonEmptyPath) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\Dest", "C:\\Dest\\"},
      {"C:\\Dest\\", "C:\\Dest\\"},
      {"", ""},
      {"C:", "C:\\"},
      {"\\", "\\"},
      {"rel", "rel\\"},
  };
  TVondral vondral;
  for (const auto& [value, expected] : cases) {
    vondral.SetTargetPath(value);
    EXPECT_EQ(vondral.TargetPath(), expected) << value;
  }
}

TEST(NameInListTest, MatchesWholeNamesWithAsciiLettersInEitherCase) {
  const TStringList list = {"README.TXT", "sub\\Data.ini", "\xE4.txt"};
  EXPECT_TRUE(TVondral::NameInList(list, "readme.txt"));
  EXPECT_TRUE(TVondral::NameInList(list, "ReadMe.Txt"));
  EXPECT_TRUE(TVondral::NameInList(list, "SUB\\DATA.INI"));
  EXPECT_FALSE(TVondral::NameInList(list, "data.ini"));      // the folder part must match
  EXPECT_FALSE(TVondral::NameInList(list, "sub/data.ini"));  // separators are not letters
  EXPECT_FALSE(TVondral::NameInList(list, "readme.txt "));   // length counts
  EXPECT_FALSE(TVondral::NameInList(list, "\xC4.txt"));      // only a-z fold
  EXPECT_TRUE(TVondral::NameInList(list, "\xE4.TXT"));
  EXPECT_FALSE(TVondral::NameInList(TStringList{}, ""));
  EXPECT_TRUE(TVondral::NameInList(TStringList{""}, ""));
}

TEST_F(ExpandTest, WithoutAListEveryEntryIsWrittenWithItsFolders) {
  // The empty file comes first: once the sizes passed reach TotalSize the walk ends, so an empty
  // last entry would never be reached.
  const Bytes archive = ArchiveBuilder()
                            .Stored("empty.txt", "")
                            .Stored("readme.txt", "hello")
                            .Stored("sub\\deep\\b.txt", "bb")
                            .Build();
  Expand(archive);
  EXPECT_EQ(ReadFile("C:\\Dest\\readme.txt"), "hello");
  EXPECT_EQ(ReadFile("C:\\Dest\\sub\\deep\\b.txt"), "bb");
  EXPECT_TRUE(FileExists("C:\\Dest\\empty.txt"));
  EXPECT_EQ(ReadFile("C:\\Dest\\empty.txt"), "");
}

TEST_F(ExpandTest, TheListSelectsNamesAndIsReplacedByTheTargetPathsWritten) {
  const Bytes archive = ArchiveBuilder()
                            .Stored("readme.txt", "top")
                            .Stored("sub\\readme.txt", "sub")
                            .Stored("Other.TXT", "other")
                            .Build();
  struct Case {
    std::vector<std::string> list;
    std::vector<std::string> written;
  };
  const Case cases[] = {
      {{"README.TXT"}, {"C:\\Dest\\readme.txt"}},
      {{"sub\\readme.txt"}, {"C:\\Dest\\sub\\readme.txt"}},
      {{"other.txt", "SUB\\README.TXT"}, {"C:\\Dest\\sub\\readme.txt", "C:\\Dest\\Other.TXT"}},
      {{"readme.tx"}, {}},
      {{}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.list));
    std::filesystem::remove_all(Host("C:\\Dest"));
    MakeFolder("C:\\Dest");
    EXPECT_EQ(ExpandSelected(archive, c.list), c.written);
    for (const char* path :
         {"C:\\Dest\\readme.txt", "C:\\Dest\\sub\\readme.txt", "C:\\Dest\\Other.TXT"}) {
      const bool listed = std::find(c.written.begin(), c.written.end(), path) != c.written.end();
      EXPECT_EQ(FileExists(path), listed) << path;
    }
  }
}

TEST_F(ExpandTest, AnEmptyListStillValidatesTheHeaderAndWalksTheEntries) {
  const Bytes bad = ArchiveBuilder().SetSignatureByte(0, 'W').Stored("a.txt", "a").Build();
  TStringList empty;
  EXPECT_THROW(Expand(bad, &empty), EInvalidHeader);

  TFileHeader negative;
  negative.OriginalSize = 1;
  negative.CompressedSize = -1;
  const Bytes corrupt = ArchiveBuilder().Stored("a.txt", "a").Raw(negative, "b", {}).Build();
  EXPECT_THROW(Expand(corrupt, &empty), ECorruptArchive);
  EXPECT_FALSE(FileExists("C:\\Dest\\a.txt"));
}

TEST_F(ExpandTest, DuplicateNamesAreBothWrittenAndListedTwice) {
  const Bytes archive = ArchiveBuilder().Stored("a.txt", "first").Stored("a.txt", "second").Build();
  EXPECT_EQ(ExpandSelected(archive, {"A.TXT"}),
            (std::vector<std::string>{"C:\\Dest\\a.txt", "C:\\Dest\\a.txt"}));
  EXPECT_EQ(ReadFile("C:\\Dest\\a.txt"), "second");
}

TEST_F(ExpandTest, AFailureKeepsTheListAndTheFilesWrittenBefore) {
  TFileHeader bad;
  bad.Method = kCustom;  // no decoder bound: nothing is produced, so checksum 5 cannot match
  bad.Checksum = 5;
  const Bytes archive =
      ArchiveBuilder().Stored("a.txt", "a").Raw(bad, "b.txt", {}).Stored("c.txt", "c").Build();
  TStringList list = {"a.txt", "b.txt", "c.txt"};
  EXPECT_THROW(Expand(archive, &list), EBadChecksum);
  EXPECT_EQ(list.Lines(), (std::vector<std::string>{"a.txt", "b.txt", "c.txt"}));
  EXPECT_TRUE(FileExists("C:\\Dest\\a.txt"));
  EXPECT_TRUE(FileExists("C:\\Dest\\b.txt"));
  EXPECT_FALSE(FileExists("C:\\Dest\\c.txt"));
}

TEST_F(ExpandTest, CheckHookSeesEachTargetAndAStarStopsTheWalk) {
  ArchiveBuilder builder;
  for (int i = 1; i <= 5; ++i) builder.Stored(std::to_string(i) + ".txt", "x");
  std::vector<std::string> seen;
  vondral_.OnCheckFile = [&](std::string& path, TVProcessMode mode) {
    EXPECT_EQ(mode, TVProcessMode::pmExpand);
    EXPECT_EQ(static_cast<int>(mode), 1);
    seen.push_back(path);
    if (seen.size() == 3) path = "*";
  };
  TStringList list = {"1.txt", "2.txt", "3.txt", "4.txt", "5.txt"};
  Expand(builder.Build(), &list);
  EXPECT_EQ(seen,
            (std::vector<std::string>{"C:\\Dest\\1.txt", "C:\\Dest\\2.txt", "C:\\Dest\\3.txt"}));
  EXPECT_EQ(list.Lines(), (std::vector<std::string>{"C:\\Dest\\1.txt", "C:\\Dest\\2.txt"}));
  for (const char* absent : {"C:\\Dest\\3.txt", "C:\\Dest\\4.txt", "C:\\Dest\\5.txt"}) {
    EXPECT_FALSE(FileExists(absent)) << absent;
  }
}

TEST_F(ExpandTest, CheckHookMayRewriteOrEmptyThePath) {
  MakeFolder("C:\\Elsewhere");
  vondral_.OnCheckFile = [](std::string& path, TVProcessMode) {
    if (path == "C:\\Dest\\skip.txt") path.clear();
    if (path == "C:\\Dest\\move.txt") path = "C:\\Elsewhere\\moved.txt";
  };
  const Bytes archive = ArchiveBuilder()
                            .Stored("skip.txt", "s")
                            .Stored("move.txt", "m")
                            .Stored("keep.txt", "k")
                            .Build();
  TStringList list = {"skip.txt", "move.txt", "keep.txt"};
  Expand(archive, &list);
  EXPECT_EQ(list.Lines(),
            (std::vector<std::string>{"C:\\Elsewhere\\moved.txt", "C:\\Dest\\keep.txt"}));
  EXPECT_FALSE(FileExists("C:\\Dest\\skip.txt"));
  EXPECT_FALSE(FileExists("C:\\Dest\\move.txt"));
  EXPECT_EQ(ReadFile("C:\\Elsewhere\\moved.txt"), "m");
}

TEST_F(ExpandTest, TheWalkStopsOncePassedSizesReachTotalSize) {
  // Three 5-byte entries, but the header claims only 10 bytes in all.
  const Bytes archive = ArchiveBuilder()
                            .SetTotalSize(10)
                            .Stored("a.txt", "aaaaa")
                            .Stored("b.txt", "bbbbb")
                            .Stored("c.txt", "ccccc")
                            .Build();
  // Entries passed over by the selection count towards the total...
  EXPECT_EQ(ExpandSelected(archive, {"c.txt"}), std::vector<std::string>{});
  // ...entries the check hook empties do not.
  vondral_.OnCheckFile = [](std::string& path, TVProcessMode) {
    if (path.ends_with("a.txt")) path.clear();
  };
  EXPECT_EQ(ExpandSelected(archive, {"a.txt", "b.txt", "c.txt"}),
            (std::vector<std::string>{"C:\\Dest\\b.txt", "C:\\Dest\\c.txt"}));
}

TEST_F(ExpandTest, TotalSizeZeroExpandsNothing) {
  const Bytes archive =
      ArchiveBuilder().SetTotalSize(0).Stored("a.txt", "a").Stored("b.txt", "b").Build();
  TStringList list = {"a.txt", "b.txt"};
  Expand(archive, &list);
  EXPECT_EQ(list.Count(), 0);
  Expand(archive);
  EXPECT_FALSE(FileExists("C:\\Dest\\a.txt"));
  EXPECT_FALSE(FileExists("C:\\Dest\\b.txt"));
}

TEST_F(ExpandTest, OneStreamServesAListingAndSeveralExpansions) {
  const Bytes archive = ArchiveBuilder()
                            .Stored("a.txt", "alpha")
                            .Stored("b.txt", "beta")
                            .Stored("c.txt", "gamma")
                            .Build();
  MemoryStream stream(archive.data(), static_cast<std::int64_t>(archive.size()));
  TStringList names;
  vondral_.ScanCompressedStream(stream, names);
  ASSERT_EQ(names.Count(), 3);
  for (int i = names.Count() - 1; i >= 0; --i) {
    TStringList one = {names.Strings(i)};
    vondral_.ExpandFilesFromStream(stream, &one);
    EXPECT_EQ(one.Lines(), std::vector<std::string>{"C:\\Dest\\" + names.Strings(i)});
  }
  EXPECT_EQ(ReadFile("C:\\Dest\\a.txt"), "alpha");
  EXPECT_EQ(ReadFile("C:\\Dest\\c.txt"), "gamma");
}

TEST_F(ExpandTest, TheFileGetsItsStoredDateAndAttributes) {
  const Bytes archive = ArchiveBuilder().Stored("dated.txt", "d").Build();
  Expand(archive);
  const std::tm t = LastWrite(Host("C:\\Dest\\dated.txt"));
  EXPECT_EQ(t.tm_year + 1900, 1999);
  EXPECT_EQ(t.tm_mon + 1, 7);
  EXPECT_EQ(t.tm_mday, 4);
  EXPECT_EQ(t.tm_hour, 13);
  EXPECT_EQ(t.tm_min, 45);
  EXPECT_EQ(t.tm_sec, 30);

  TFileHeader read_only;
  read_only.Attributes = 0x21;
  read_only.OriginalSize = 1;
  read_only.CompressedSize = 1;
  const Bytes second = ArchiveBuilder().Raw(read_only, "ro.txt", {'r'}).Build();
  Expand(second);
  const auto attributes = FileSystem().GetAttributes("C:\\Dest\\ro.txt");
  ASSERT_TRUE(attributes);
  EXPECT_NE(*attributes & platform::kAttrReadOnly, 0u);
}

TEST_F(ExpandTest, ABadChecksumLeavesThePartlyWrittenFileWithAttributesButNoDate) {
  vondral_.OnExpand = CopyingDecoder(/*error=*/1);
  const Bytes content = ToBytes("partly written");
  TFileHeader header;
  header.FileDate = ArchiveBuilder::kSomeDate;
  header.Attributes = 0x21;
  header.OriginalSize = static_cast<std::int32_t>(content.size());
  header.CompressedSize = static_cast<std::int32_t>(content.size());
  header.Method = kCustom;
  header.Checksum = ArchiveChecksum(content);
  const Bytes archive = ArchiveBuilder("CUS").Raw(header, "bad.txt", content).Build();
  try {
    Expand(archive);
    FAIL() << "no exception";
  } catch (const EBadChecksum& e) {
    EXPECT_EQ(e.Message(), "Bad checksum during expansion -- data may be invalid");
  }
  EXPECT_EQ(ReadFile("C:\\Dest\\bad.txt"), "partly written");
  const auto attributes = FileSystem().GetAttributes("C:\\Dest\\bad.txt");
  ASSERT_TRUE(attributes);
  EXPECT_NE(*attributes & platform::kAttrReadOnly, 0u);
  EXPECT_NE(LastWrite(Host("C:\\Dest\\bad.txt")).tm_year + 1900, 1999);
}

TEST_F(ExpandTest, UnknownOrUnboundMethodsProduceNothingAndFailOnlyOnANonZeroChecksum) {
  for (const std::uint8_t method : {kCustom, std::uint8_t{4}, std::uint8_t{255}}) {
    SCOPED_TRACE(int{method});
    TFileHeader header;
    header.Method = method;
    header.OriginalSize = 3;
    header.CompressedSize = 3;
    header.Checksum = 0;
    const Bytes good = ArchiveBuilder().Raw(header, "n.txt", {1, 2, 3}).Stored("z", "z").Build();
    TStringList list = {"n.txt", "z"};
    Expand(good, &list);
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"C:\\Dest\\n.txt", "C:\\Dest\\z"}));
    EXPECT_EQ(ReadFile("C:\\Dest\\n.txt"), "");

    header.Checksum = 6;
    const Bytes bad = ArchiveBuilder().Raw(header, "m.txt", {1, 2, 3}).Build();
    EXPECT_THROW(Expand(bad), EBadChecksum);
    EXPECT_TRUE(FileExists("C:\\Dest\\m.txt"));
  }
}

TEST_F(ExpandTest, TheCustomDecoderGetsTheBodyAndTheArchiveId) {
  std::vector<std::string> ids;
  vondral_.OnExpand = [&](Stream& dest, Stream& source, std::int32_t size, std::int32_t dest_size,
                          const std::string& id, std::int32_t& checksum) {
    ids.push_back(id);
    EXPECT_EQ(size, 4);
    EXPECT_EQ(dest_size, 8);
    Bytes body(4);
    source.ReadBuffer(body.data(), 4);
    Bytes twice = body;
    twice.insert(twice.end(), body.begin(), body.end());
    dest.WriteBuffer(twice.data(), 8);
    checksum = static_cast<std::int32_t>(ArchiveChecksum(twice));
  };
  vondral_.OnRecognize = [](const std::string& id, bool& recognized) { recognized = id == "DUP"; };
  const Bytes archive = ArchiveBuilder("DUP")
                            .Coded("two.txt", kCustom, ToBytes("abcd"), ToBytes("abcdabcd"))
                            .Stored("after.txt", "next")
                            .Build();
  Expand(archive);
  EXPECT_EQ(ids, std::vector<std::string>{"DUP"});
  EXPECT_EQ(ReadFile("C:\\Dest\\two.txt"), "abcdabcd");
  EXPECT_EQ(ReadFile("C:\\Dest\\after.txt"), "next");
}

TEST_F(ExpandTest, ADecoderThatStopsShortOfItsBodyDoesNotDerailTheWalk) {
  vondral_.OnExpand = [](Stream&, Stream& source, std::int32_t, std::int32_t, const std::string&,
                         std::int32_t& checksum) {
    char first;
    source.ReadBuffer(&first, 1);  // reads one byte of four
    checksum = 0;
  };
  TFileHeader header;
  header.Method = kCustom;
  header.CompressedSize = 4;
  const Bytes archive =
      ArchiveBuilder("CUS").Raw(header, "short.txt", {9, 9, 9, 9}).Stored("b.txt", "b").Build();
  Expand(archive);
  EXPECT_EQ(ReadFile("C:\\Dest\\b.txt"), "b");
}

TEST_F(ExpandTest, ALockedEntryWithoutKeyIsRefusedAndLeavesNoFile) {
  int calls = 0;
  vondral_.OnExpand = CopyingDecoder(0, &calls);
  WriteFile("C:\\Dest\\locked.txt", "an older file");
  const Bytes content = ToBytes("secret");
  const Bytes archive =
      ArchiveBuilder("CUS").Coded("locked.txt", kCustom, content, content, true, 7).Build();
  try {
    Expand(archive);
    FAIL() << "no exception";
  } catch (const EInvalidKey& e) {
    EXPECT_EQ(e.Message(), "File locked -- valid key required");
  }
  EXPECT_EQ(calls, 0);
  EXPECT_FALSE(FileExists("C:\\Dest\\locked.txt"));
}

TEST_F(ExpandTest, LockedEntriesExpandWithAMatchingKeyOrAPlainSum) {
  vondral_.OnExpand = CopyingDecoder();
  const Bytes content = ToBytes("abc");  // sums to 294
  struct Case {
    std::int32_t key;
    std::uint32_t stored;
    bool good;
  };
  const Case cases[] = {
      {7, 294 + 7, true},
      {7, 294, true},
      {123, 294, true},
      {7, 294 + 8, false},
      {-1, 293, true},           // 294 + 0xFFFFFFFF wraps to 293
      {-300, 0xFFFFFFFA, true},  // 294 - 300 wraps below zero
      {1, 0, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "key " << c.key << " stored " << c.stored);
    vondral_.Key = c.key;
    TFileHeader header;
    header.Method = kCustom;
    header.OriginalSize = 3;
    header.CompressedSize = 3;
    header.Checksum = c.stored;
    header.Locked = 1;
    const Bytes archive = ArchiveBuilder("CUS").Raw(header, "k.txt", content).Build();
    if (c.good) {
      EXPECT_NO_THROW(Expand(archive));
      EXPECT_EQ(ReadFile("C:\\Dest\\k.txt"), "abc");
    } else {
      EXPECT_THROW(Expand(archive), EInvalidKey);
      EXPECT_FALSE(FileExists("C:\\Dest\\k.txt"));
    }
  }
}

TEST_F(ExpandTest, AStoredLockedEntryIsNeverVerified) {
  vondral_.Key = 9;
  TFileHeader header;
  header.OriginalSize = 2;
  header.CompressedSize = 2;
  header.Checksum = 12345;
  header.Locked = 1;
  Expand(ArchiveBuilder().Raw(header, "s.txt", ToBytes("ok")).Build());
  EXPECT_EQ(ReadFile("C:\\Dest\\s.txt"), "ok");
}

TEST_F(ExpandTest, AShortStoredBodyFailsWithAReadError) {
  TFileHeader header;
  header.OriginalSize = 10;
  header.CompressedSize = 10;
  const Bytes archive = ArchiveBuilder().Raw(header, "cut.txt", ToBytes("only5")).Build();
  try {
    Expand(archive);
    FAIL() << "no exception";
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Message(), "Stream read error");
  }
  EXPECT_TRUE(FileExists("C:\\Dest\\cut.txt"));
}

TEST_F(ExpandTest, AFileThatCannotBeCreatedIsPassedOverOrRaised) {
  MakeFolder("C:\\Dest\\taken.txt");  // a folder where the file should go
  const Bytes archive = ArchiveBuilder().Stored("taken.txt", "t").Stored("free.txt", "f").Build();
  TStringList list = {"taken.txt", "free.txt"};
  Expand(archive, &list);
  EXPECT_EQ(list.Lines(), std::vector<std::string>{"C:\\Dest\\free.txt"});

  vondral_.ExceptionOnFileError = true;
  try {
    Expand(archive);
    FAIL() << "no exception";
  } catch (const EFCreateError& e) {
    EXPECT_EQ(e.Message(), "Cannot create file C:\\Dest\\taken.txt");
  }
}

TEST_F(ExpandTest, AFolderThatCannotBeMadeRaisesAnIoError) {
  WriteFile("C:\\Dest\\sub", "a file in the way");
  const Bytes archive = ArchiveBuilder().Stored("sub\\inner.txt", "x").Build();
  try {
    Expand(archive);
    FAIL() << "no exception";
  } catch (const EInOutError& e) {
    EXPECT_FALSE(e.Message().empty());
  }
  EXPECT_EQ(ReadFile("C:\\Dest\\sub"), "a file in the way");
}

TEST_F(ExpandTest, WithoutMakeDirectoriesAMissingFolderMeansTheFileCannotBeCreated) {
  vondral_.MakeDirectories = false;
  const Bytes archive = ArchiveBuilder().Stored("missing\\x.txt", "x").Build();
  TStringList list = {"missing\\x.txt"};
  Expand(archive, &list);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_FALSE(FileExists("C:\\Dest\\missing\\x.txt"));
}

TEST_F(ExpandTest, ANameFromTheRootUsesTheCurrentDrive) {
  const auto saved = std::filesystem::current_path();
  ASSERT_FALSE(FileSystem().SetCurrentDirectory("C:\\Dest"));
  const Bytes archive = ArchiveBuilder().Stored("\\rooted.txt", "r").Build();
  TStringList list = {"\\ROOTED.TXT"};
  Expand(archive, &list);
  std::filesystem::current_path(saved);
  EXPECT_EQ(list.Lines(), std::vector<std::string>{"\\rooted.txt"});
  EXPECT_EQ(ReadFile("C:\\rooted.txt"), "r");
}

TEST_F(ExpandTest, CodedBodiesReportProgressPerChunkAndStoredOnesNone) {
  // Plain bytes other than 0x94 are their own RLE code, so the body is the content itself.
  Bytes content(20000);
  for (std::size_t i = 0; i < content.size(); ++i) content[i] = static_cast<unsigned char>(i % 91);
  std::vector<std::int32_t> calls;
  vondral_.OnShowProgress = [&](std::int32_t& percent) { calls.push_back(percent); };
  vondral_.OnExpand = CopyingDecoder();
  const Bytes archive = ArchiveBuilder("RLE")
                            .Stored("stored.bin", content)
                            .Coded("custom.bin", kCustom, content, content)
                            .Coded("coded.bin", 1, content, content)
                            .Build();
  Expand(archive);
  EXPECT_EQ(calls, (std::vector<std::int32_t>{40, 81, 100}));
  const std::string expected(content.begin(), content.end());
  EXPECT_EQ(ReadFile("C:\\Dest\\coded.bin"), expected);
  EXPECT_EQ(ReadFile("C:\\Dest\\custom.bin"), expected);
}

TEST_F(ExpandTest, AnRleBodyWithTheWrongSumFails) {
  const Bytes content = ToBytes("AAAAAAAAAA");
  TFileHeader header;
  header.Method = 1;
  header.OriginalSize = 10;
  header.CompressedSize = 3;
  header.Checksum = ArchiveChecksum(content);
  const Bytes good = ArchiveBuilder("RLE").Raw(header, "r.txt", {'A', 0x94, 10}).Build();
  Expand(good);
  EXPECT_EQ(ReadFile("C:\\Dest\\r.txt"), "AAAAAAAAAA");

  header.Checksum += 1;
  EXPECT_THROW(Expand(ArchiveBuilder("RLE").Raw(header, "r.txt", {'A', 0x94, 10}).Build()),
               EBadChecksum);
  EXPECT_EQ(ReadFile("C:\\Dest\\r.txt"), "AAAAAAAAAA");
}

}  // namespace
}  // namespace brontel
