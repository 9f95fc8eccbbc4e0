#include "tools/vorn/list_command.h"

#include <algorithm>
#include <cstdio>

#include "archive/vondral.h"
#include "tools/vorn/archive_file.h"
#include "tools/vorn/commands.h"

namespace brontel::vorn {

std::string FormatDosDateTime(std::uint32_t d) {
  char text[32];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", (d >> 25) + 1980,
                (d >> 21) & 0xF, (d >> 16) & 0x1F, (d >> 11) & 0x1F, (d >> 5) & 0x3F,
                (d & 0x1F) * 2);
  return text;
}

std::string EntryMethodId(std::uint8_t method, const std::string& archive_id) {
  switch (method) {
    case kMethodStored:
      return kMethodIdStored;
    case kMethodRle:
      return kMethodIdRle;
    case kMethodLzh:
      return kMethodIdLzh;
    case kMethodCustom:
      return archive_id;
  }
  return "#" + std::to_string(method);
}

std::vector<std::string> FormatListing(const TStringList& entries, const std::string& archive_id) {
  std::size_t width = 0;
  for (int i = 0; i < entries.Count(); ++i) width = std::max(width, entries.Strings(i).size());

  std::vector<std::string> lines;
  for (int i = 0; i < entries.Count(); ++i) {
    const auto* info = dynamic_cast<const TVondralFileInfo*>(entries.Objects(i));
    if (info == nullptr) continue;
    char fields[96];
    std::snprintf(fields, sizeof fields, "  %10d  %10d  %-3s  %08X  %s",
                  static_cast<int>(info->OriginalSize), static_cast<int>(info->CompressedSize),
                  EntryMethodId(info->Method, archive_id).c_str(),
                  static_cast<unsigned>(info->Checksum), FormatDosDateTime(info->FileDate).c_str());
    std::string line = entries.Strings(i);
    line.append(width - line.size(), ' ');
    line += fields;
    if (info->Locked) line += "  locked";
    lines.push_back(line);
  }
  return lines;
}

int RunList(const Options& options, Console& console) {
  ArchiveFile archive(options.archive);
  // Listing needs no decoder, so any method ID the archive names is accepted.
  TVondral vondral;
  vondral.OnExpand = [](Stream&, Stream&, std::int32_t, std::int32_t, const std::string&,
                        std::int32_t&) {};
  vondral.OnRecognize = [](const std::string&, bool& recognized) { recognized = true; };

  TStringList entries;
  vondral.ScanCompressedStream(archive.Stream(), entries);
  std::string archive_id;
  if (entries.Count() > 0) {
    TArchiveHeader header;
    vondral.ReadArchiveHeader(archive.Stream(), header, archive_id);
  }
  for (const auto& line : FormatListing(entries, archive_id)) console.Out() << line << '\n';
  return 0;
}

}  // namespace brontel::vorn
