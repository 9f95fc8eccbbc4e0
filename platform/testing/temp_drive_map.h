// A throw-away drive map for one test, so that nothing a test does reaches the real home folder
// or a real Wine prefix.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brontel::platform::testing {

// While alive, the process sees a drive map of its own: a fresh temporary folder T becomes
// WINEPREFIX, with T/dosdevices/c: -> ../drive_c (an empty folder) as its only drive. HOME is
// set to T/home (created) and XDG_DATA_HOME is removed, so services that fall back on the home
// folder stay inside T too. The destructor restores those variables and the current folder as
// they were at construction, and removes T with everything in it.
// One map at a time per process: the environment is process-wide. Not thread-safe.
class TempDriveMap {
 public:
  // Raises std::runtime_error when the folder or the links cannot be made.
  TempDriveMap();
  ~TempDriveMap();
  TempDriveMap(const TempDriveMap&) = delete;
  TempDriveMap& operator=(const TempDriveMap&) = delete;

  // T itself (also the value of WINEPREFIX), a canonical host path without trailing "/".
  const std::string& Root() const { return root_; }
  // T/home, the value of HOME.
  std::string Home() const;
  // The host folder behind drive `letter` (either case), as the map links it; empty when the
  // letter is not mapped.
  std::string DriveRoot(char letter) const;
  // The host path of `relative` below the root of drive `letter`: "\" and "/" both separate,
  // components are taken as spelled. For making fixtures directly on the host.
  std::string HostPath(char letter, std::string_view relative) const;

  // Maps `letter` to a new empty folder T/drive_<letter> and returns that folder. Replaces an
  // existing mapping of the letter. Raises std::runtime_error on failure.
  std::string AddDrive(char letter);
  // Maps `letter` to `host_folder` as given (absolute); the folder need not exist.
  void MapDrive(char letter, const std::string& host_folder);
  // Maps `letter` to a folder that does not exist, like a drive without a medium: it is listed
  // among the drives but its root cannot be reached.
  void AddMissingDrive(char letter);
  // Removes the mapping of `letter`; its folder, if any, stays.
  void RemoveDrive(char letter);

 private:
  std::string LinkPath(char letter) const;

  std::string root_;
  std::string old_cwd_;
  std::optional<std::string> old_wineprefix_;
  std::optional<std::string> old_home_;
  std::optional<std::string> old_xdg_data_home_;
};

}  // namespace brontel::platform::testing
