// Which host folder stands behind each drive letter. The map is taken from a Wine-style
// `dosdevices` folder, whose entries "c:", "z:", ... link to host folders: the one of
// $WINEPREFIX when that variable is set and not empty (no drives at all when the prefix has no
// such folder), else ~/.wine/dosdevices when it exists; without either, C: is the home folder
// and Z: is "/". A map is a snapshot: read a new one for each operation, since tests change
// WINEPREFIX and HOME while the process runs.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brontel::platform::posix {

struct Drive {
  char letter = 0;         // 'A' to 'Z'
  std::string host_root;   // canonical when reachable, else the link target as written
  bool reachable = false;  // the root exists and is a folder
};

class DriveMap {
 public:
  // Reads the map from the environment and the file system as they are now. Never raises;
  // unreadable entries are left out.
  static DriveMap FromEnvironment();
  // A map of the given drives, for tests of the lookups themselves.
  explicit DriveMap(std::vector<Drive> drives);

  // The drives by letter, alphabetical.
  const std::vector<Drive>& Drives() const { return drives_; }
  // The drive with `letter` (either case), or null. The pointer lives as long as the map.
  const Drive* Find(char letter) const;

  struct Location {
    char letter = 0;                      // capital
    std::vector<std::string> components;  // below the drive root, host spelling
  };
  // Where a host path lies on the drives: the reachable drive whose canonical root is the
  // longest prefix of the path's canonical form (the alphabetically first among equals).
  // `host_path` need not exist; a relative one is taken from the process's current folder.
  // nullopt when no drive holds it.
  std::optional<Location> Locate(std::string_view host_path) const;

 private:
  std::vector<Drive> drives_;
};

// The host path made absolute and canonical as far as it exists: symbolic links and "." and
// ".." of the existing part are resolved by the host, the missing rest is appended lexically.
// Empty when the current folder is needed and cannot be read.
std::string CanonicalHostPath(std::string_view host_path);

}  // namespace brontel::platform::posix
