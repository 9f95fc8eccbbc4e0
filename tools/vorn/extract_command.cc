#include "tools/vorn/extract_command.h"

#include <filesystem>

#include "archive/vondral.h"
#include "base/exception.h"
#include "tools/vorn/archive_file.h"
#include "tools/vorn/commands.h"

namespace brontel::vorn {

std::string TargetFolder(const std::string& target, platform::FileSystem& file_system) {
  const bool has_drive =
      target.size() >= 2 && target[1] == ':' &&
      ((target[0] >= 'A' && target[0] <= 'Z') || (target[0] >= 'a' && target[0] <= 'z'));
  if (has_drive) return target;
  const std::string host = std::filesystem::absolute(target).lexically_normal().string();
  std::string windows = file_system.FromHostPath(host);
  if (windows.empty()) throw Exception("The folder " + host + " lies on no drive of the drive map");
  return windows;
}

int RunExtract(const Options& options, Console& console) {
  ArchiveFile archive(options.archive);
  TVondral vondral;
  vondral.Key = options.key;
  vondral.MakeDirectories = true;
  vondral.ExceptionOnFileError = true;
  vondral.SetTargetPath(TargetFolder(options.target, vondral.FileSystem()));

  TStringList entries;
  vondral.ScanCompressedStream(archive.Stream(), entries);
  TStringList selection;
  if (options.files.empty()) {
    for (int i = 0; i < entries.Count(); ++i) selection.Add(entries.Strings(i));
  } else {
    for (const auto& name : options.files) {
      if (!TVondral::NameInList(entries, name)) {
        throw Exception("No entry named " + name + " in " + options.archive);
      }
      selection.Add(name);
    }
  }

  std::string current;
  vondral.OnCheckFile = [&](std::string& path, TVProcessMode) {
    current = path;
    console.Status(path);
  };
  vondral.OnShowProgress = [&](std::int32_t& percent) { console.Progress(current, percent); };
  vondral.ExpandFilesFromStream(archive.Stream(), &selection);
  console.EndProgress();
  for (int i = 0; i < selection.Count(); ++i) console.Out() << selection.Strings(i) << '\n';
  return 0;
}

}  // namespace brontel::vorn
