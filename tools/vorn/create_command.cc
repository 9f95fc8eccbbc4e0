#include "tools/vorn/create_command.h"

#include <algorithm>

#include "archive/entry_checks.h"
#include "base/exception.h"
#include "platform/dos_time.h"
#include "tools/vorn/commands.h"
#include "tools/vorn/host_files.h"

namespace brontel::vorn {

namespace {
constexpr std::uint32_t kFirstDosDateTime = 0x00210000;  // 1980-01-01 00:00:00
constexpr std::uint32_t kLastDosDateTime = 0xFF9FBF7D;   // 2107-12-31 23:59:58
constexpr std::time_t kDosEpochGuess = 315532800;        // 1980-01-01 in UTC
}  // namespace

std::string StoredName(const std::string& path) {
  std::string name = path;
  std::replace(name.begin(), name.end(), '/', '\\');
  if (name.empty() || name[0] == '\\' || !EntryNameStaysInside(name)) {
    throw Exception("Cannot store " + path +
                    ": names must be relative paths that stay below their folder");
  }
  return name;
}

std::uint32_t DosDateTimeOf(std::time_t time) {
  if (const auto dos = platform::TimeToDosDateTime(time)) return *dos;
  return time < kDosEpochGuess ? kFirstDosDateTime : kLastDosDateTime;
}

SourceFile ReadSourceFile(const std::string& path) {
  SourceFile file;
  file.name = StoredName(path);
  const HostFileStatus status = StatHostFile(path);
  file.content = ReadHostFile(path);
  file.dos_date_time = DosDateTimeOf(status.last_write);
  file.attributes = status.writable ? 0x20 : 0x21;
  return file;
}

int RunCreate(const Options& options, Console& console) {
  std::vector<SourceFile> files;
  for (const auto& path : options.files) {
    console.Status("reading " + path);
    files.push_back(ReadSourceFile(path));
  }
  const auto archive =
      WriteArchive(files, options.method, options.key,
                   [&](const std::string& name) { console.Status("packing " + name); });
  console.EndProgress();
  WriteHostFile(options.archive, archive);
  return 0;
}

}  // namespace brontel::vorn
