// Invariant: expanding any archive into a folder of a private drive map either ends normally or
// raises a brontel::Exception; it never crashes or hangs, and it writes nothing outside the
// drive: every path it reports lies below the target folder (or, for a name from the root, on
// the target's drive), comes from an entry that the listing shows, and nothing appears in the
// drive map's folder outside drive C. The disk reports little free space, so no entry can make
// the run write without bound.
//
// The first input byte chooses the component's settings; the rest is the archive.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "archive/vondral.h"
#include "base/exception.h"
#include "base/memory_stream.h"
#include "platform/testing/fault_file_system.h"
#include "platform/testing/temp_drive_map.h"

namespace {

namespace fs = std::filesystem;

constexpr char kTarget[] = "C:\\T";
constexpr std::int64_t kFreeBytes = 1 << 20;

struct World {
  World() : faults(brontel::platform::FileSystem::Default()) {
    faults.SetDiskFull(kFreeBytes);
    drive_c = drive.DriveRoot('c');
  }
  // Empties drive C but for the target folder, and makes the target the current folder.
  void Reset() {
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(drive_c, ignored)) {
      fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
      fs::remove_all(entry.path(), ignored);
    }
    fs::create_directories(fs::path(drive_c) / "T");
    faults.SetCurrentDirectory(kTarget);
    faults.SetDiskFull(kFreeBytes);
  }
  // True when no file or folder has appeared in the map's folder outside drive C.
  bool NothingOutsideDriveC() {
    std::error_code ignored;
    for (auto it = fs::recursive_directory_iterator(drive.Root(), ignored);
         it != fs::recursive_directory_iterator(); it.increment(ignored)) {
      const fs::path path = it->path();
      if (path.string().rfind(drive_c, 0) == 0) {
        it.disable_recursion_pending();
        continue;
      }
      if (it->is_symlink() || it->is_directory()) continue;  // the map's own links and folders
      return false;
    }
    return true;
  }

  brontel::platform::testing::TempDriveMap drive;
  brontel::platform::testing::FaultFileSystem faults;
  std::string drive_c;
};

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  static World world;  // one drive map for the whole run, removed at exit
  world.Reset();

  const std::uint8_t settings = data[0];
  brontel::MemoryStream stream(data + 1, static_cast<std::int64_t>(size - 1));
  brontel::TVondral vondral(&world.faults);
  vondral.SetTargetPath(kTarget);
  vondral.MakeDirectories = (settings & 1) != 0;
  vondral.ExceptionOnFileError = (settings & 2) != 0;
  vondral.Key = (settings & 4) != 0 ? 0x1234 : 0;
  if ((settings & 8) != 0) {
    // A custom decoder that takes its body as it is.
    vondral.OnExpand = [](brontel::Stream& dest, brontel::Stream& source, std::int32_t count,
                          std::int32_t, const std::string&, std::int32_t& checksum) {
      std::uint32_t sum = 0;
      unsigned char byte;
      for (std::int32_t i = 0; i < count && source.Read(&byte, 1) == 1; ++i) {
        dest.WriteBuffer(&byte, 1);
        sum += byte;
      }
      checksum = static_cast<std::int32_t>(sum);
    };
    vondral.OnRecognize = [](const std::string&, bool& recognized) { recognized = true; };
  }

  brontel::TStringList listed;
  try {
    vondral.ScanCompressedStream(stream, listed);
  } catch (const brontel::Exception&) {
  }

  // Select every other listed name, or everything.
  std::unique_ptr<brontel::TStringList> selection;
  if ((settings & 16) != 0) {
    selection = std::make_unique<brontel::TStringList>();
    for (int i = 0; i < listed.Count(); i += 2) selection->Add(listed.Strings(i));
  }
  bool raised = false;
  try {
    vondral.ExpandFilesFromStream(stream, selection.get());
  } catch (const brontel::Exception&) {
    raised = true;
  }

  if (selection && !raised) {
    for (int i = 0; i < selection->Count(); ++i) {
      const std::string& path = selection->Strings(i);
      std::string name;
      if (StartsWith(path, "C:\\T\\")) {
        name = path.substr(5);
      } else if (StartsWith(path, "\\")) {
        name = path;
      } else {
        std::abort();  // a path outside the target folder
      }
      if (!brontel::TVondral::NameInList(listed, name)) std::abort();
    }
  }
  if (!world.NothingOutsideDriveC()) std::abort();
  return 0;
}
