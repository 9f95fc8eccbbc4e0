// What the installation tests share: a private drive map whose user.reg names a Programs folder,
// the installer's main window in an application of its own, a process that only records what it
// is asked to start, and the payload as shipped to compare the installed files with.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/process.h"
#include "platform/testing/temp_drive_map.h"
#include "setup/main_form.h"
#include "setup/shell_link.h"
#include "setup/tests/link_reader.h"
#include "ui/application.h"
#include "ui/testing/dialog_recorder.h"

namespace brontel::testing {

// The payload's files in archive order, and the folder the build packed them from.
inline const std::vector<std::string> kPayloadFiles = {"Brontel.exe", "Brontel.hlp", "readme.txt",
                                                       "SITES.INI", "versions.txt"};
inline constexpr char kDefaultDest[] = "C:\\Program Files\\Brontel";
inline constexpr char kPrograms[] = "C:\\users\\me\\Start Menu\\Programs";

// The box texts of the sequence.
inline constexpr char kBackupQuestion[] = "Do you want to backup replaced files ?";
inline constexpr char kKeepQuestion[] =
    "There is currently a site database file. Do you want to keep the existing file? ";
inline constexpr char kShortcutQuestion[] = "Add a shortcut to the Start Menu?";
inline constexpr char kReadmeQuestion[] = "Do you want to view the README file now?";
inline constexpr char kComplete[] = "Brontel Setup Complete.";
inline constexpr char kCloseQuestion[] =
    "Setup is not complete.  If you abort now, the program may not run properly.  Are you sure "
    "you want to cancel installation? ";

std::string ReadHostFile(const std::string& host_path);
void WriteHostFile(const std::string& host_path, const std::string& content);
// The shipped content of payload file `name`.
std::string PayloadFile(const std::string& name);

// Records every program it is asked to start and starts none.
class RecordingProcess : public platform::Process {
 public:
  bool StartDetached(const std::vector<std::string>& argv) override;
  void Yield() override {}
  std::string ExecutablePath() override;
  std::vector<std::vector<std::string>> started;
};

// What the user's registry says of the Programs folder.
enum class Registry {
  kProgramsNamed,    // user.reg names kPrograms, which exists
  kNoProgramsValue,  // user.reg has the Shell Folders key without a Programs value
  kNoUserReg,        // no user.reg: the desktop's applications folder below HOME, not yet made
};

// A drive map of the test's own (C: empty, Z: the host root so the test program has a Windows
// path) with the registry `registry`, and the shell-link module started, as the program has it.
class InstallEnvironment {
 public:
  explicit InstallEnvironment(Registry registry = Registry::kProgramsNamed);
  ~InstallEnvironment();

  // The host path of a path below C:\ ("Program Files\Brontel\readme.txt").
  std::string OnC(const std::string& relative) const { return drives_.HostPath('c', relative); }
  // The host path of the shortcut the installer makes.
  std::string LinkFile() const;
  platform::testing::TempDriveMap& Drives() { return drives_; }

 private:
  platform::testing::TempDriveMap drives_;
};

// The number of .lnk files anywhere below the host folder `root`.
int LinkFilesBelow(const std::string& root);

// A fresh application titled "Setup" with the main window, whose README viewer is `process`,
// and whose boxes the recorder answers. Start() replaces the application by a new one, as a
// new run of the installer would.
class InstallTest : public ::testing::Test {
 protected:
  explicit InstallTest(Registry registry = Registry::kProgramsNamed);
  ~InstallTest() override;

  void Start();
  void Stop();

  // Shows the main window, presses Continue on the welcome panel, puts `dest` into the folder
  // text and presses the folder panel's Continue; returns when the sequence has returned.
  void Install(const std::string& dest = kDefaultDest);
  // Queues answers for the next boxes.
  void Answer(std::initializer_list<ui::ModalResult> answers);
  // The texts of the boxes shown so far, in order.
  std::vector<std::string> BoxTexts() const;
  // The installed file `name` below kDefaultDest, or below its "Backup" folder.
  std::string Installed(const std::string& name) const;
  std::string BackedUp(const std::string& name) const;
  bool BackupFolderExists() const;
  // Writes `content` over every installed file, so a later run shows which files it replaced.
  void MarkInstalledFiles(const std::string& content) const;

  InstallEnvironment env_;
  RecordingProcess process_;
  std::unique_ptr<ui::Application> app_;
  std::unique_ptr<ui::testing::DialogRecorder> boxes_;
};

}  // namespace brontel::testing
