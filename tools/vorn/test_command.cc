#include "tools/vorn/test_command.h"

#include "archive/entry_checks.h"
#include "base/exception.h"
#include "tools/vorn/archive_file.h"
#include "tools/vorn/commands.h"

namespace brontel::vorn {

namespace {

// Takes every byte and keeps only their count.
class CountingStream : public Stream {
 public:
  std::int32_t Read(void*, std::int32_t) override { return 0; }
  std::int32_t Write(const void*, std::int32_t count) override {
    if (count > 0) size_ += count;
    return count;
  }
  std::int64_t Seek(std::int64_t, SeekOrigin) override { return size_; }
  std::int64_t Size() override { return size_; }

 private:
  std::int64_t size_ = 0;
};

}  // namespace

std::optional<std::string> TestEntry(TVondral& vondral, Stream& archive, const std::string& name,
                                     const TVondralFileInfo& info, const std::string& archive_id) {
  if (!EntryNameStaysInside(name)) return "the name leaves the target folder";
  archive.SetPosition(static_cast<std::int64_t>(info.HeaderPosition) + TFileHeader::kSize +
                      static_cast<std::int64_t>(name.size()));
  CountingStream expanded;
  try {
    vondral.ExpandEntry(expanded, archive, info.CompressedSize, info.OriginalSize, info.Checksum,
                        info.Method, archive_id, info.Locked);
  } catch (const Exception& e) {
    return e.Message();
  }
  if (expanded.Size() != info.OriginalSize) {
    return "expanded to " + std::to_string(expanded.Size()) + " bytes instead of " +
           std::to_string(info.OriginalSize);
  }
  return std::nullopt;
}

int RunTest(const Options& options, Console& console) {
  ArchiveFile archive(options.archive);
  TVondral vondral;
  vondral.Key = options.key;
  TStringList entries;
  vondral.ScanCompressedStream(archive.Stream(), entries);
  TArchiveHeader header;
  std::string archive_id;
  vondral.ReadArchiveHeader(archive.Stream(), header, archive_id);

  std::string current;
  vondral.OnShowProgress = [&](std::int32_t& percent) { console.Progress(current, percent); };
  int bad = 0;
  for (int i = 0; i < entries.Count(); ++i) {
    current = entries.Strings(i);
    const auto* info = dynamic_cast<const TVondralFileInfo*>(entries.Objects(i));
    const auto problem = TestEntry(vondral, archive.Stream(), current, *info, archive_id);
    if (problem) {
      ++bad;
      console.Err() << "vorn: " << current << ": " << *problem << '\n';
    } else {
      console.EndProgress();
      console.Out() << "OK  " << current << '\n';
    }
  }
  console.EndProgress();
  return bad == 0 ? 0 : 1;
}

}  // namespace brontel::vorn
