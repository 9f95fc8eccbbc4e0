#include "setup/tests/install_fixture.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/com.h"
#include "platform/file_system.h"
#include "platform/shell_link.h"
#include "platform/testing/user_reg_text.h"
#include "setup/copy_form.h"
#include "ui/qt/qt_backend.h"
#include "ui/qt/user_input.h"

namespace brontel::testing {

namespace fs = std::filesystem;
namespace input = ui::qt::testing;

std::string ReadHostFile(const std::string& host_path) {
  std::ifstream in(host_path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteHostFile(const std::string& host_path, const std::string& content) {
  std::ofstream(host_path, std::ios::binary | std::ios::trunc) << content;
}

std::string PayloadFile(const std::string& name) {
  return ReadHostFile(std::string(BRONTEL_PAYLOAD_DIR) + "/" + name);
}

bool RecordingProcess::StartDetached(const std::vector<std::string>& argv) {
  started.push_back(argv);
  return true;
}

std::string RecordingProcess::ExecutablePath() {
  return platform::Process::Default()->ExecutablePath();
}

InstallEnvironment::InstallEnvironment(Registry registry) {
  drives_.MapDrive('z', "/");
  if (registry != Registry::kNoUserReg) {
    std::string keys = std::string(platform::testing::kShellFoldersSection) + "\n";
    if (registry == Registry::kProgramsNamed) {
      fs::create_directories(OnC("users\\me\\Start Menu\\Programs"));
      keys += "\"Programs\"=\"" + platform::testing::UserRegString(kPrograms) + "\"\n";
    }
    WriteHostFile(drives_.Root() + "/user.reg", "WINE REGISTRY Version 2\n\n" + keys);
  }
  ShellLinkModuleStart();
}

InstallEnvironment::~InstallEnvironment() { ShellLinkModuleStop(); }

std::string InstallEnvironment::LinkFile() const {
  return OnC("users\\me\\Start Menu\\Programs\\Brontel.lnk");
}

int LinkFilesBelow(const std::string& root) {
  int count = 0;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.path().extension() == ".lnk") ++count;
  }
  return count;
}

InstallTest::InstallTest(Registry registry) : env_(registry) { Start(); }

InstallTest::~InstallTest() { Stop(); }

void InstallTest::Start() {
  Stop();
  app_ = std::make_unique<ui::Application>(ui::qt::CreateQtBackend());
  app_->SetTitle("Setup");
  boxes_ = std::make_unique<ui::testing::DialogRecorder>(*app_);
  app_->CreateForm(frmMain);
  frmMain->SetProcess(&process_);
}

void InstallTest::Stop() {
  boxes_.reset();
  app_.reset();
  frmMain = nullptr;
  frmCopy = nullptr;
}

void InstallTest::Install(const std::string& dest) {
  ASSERT_TRUE(input::ActivateWindow(*frmMain));
  input::Click(*frmMain->btnContinue);
  frmMain->txtDestPath->SetText(dest);
  input::Click(*frmMain->btnDirContinue);
}

void InstallTest::Answer(std::initializer_list<ui::ModalResult> answers) {
  for (ui::ModalResult answer : answers) boxes_->Answer(answer);
}

std::vector<std::string> InstallTest::BoxTexts() const {
  std::vector<std::string> texts;
  for (const auto& box : boxes_->Boxes()) texts.push_back(box.text);
  return texts;
}

std::string InstallTest::Installed(const std::string& name) const {
  return ReadHostFile(env_.OnC("Program Files\\Brontel\\" + name));
}

std::string InstallTest::BackedUp(const std::string& name) const {
  return ReadHostFile(env_.OnC("Program Files\\Brontel\\Backup\\" + name));
}

bool InstallTest::BackupFolderExists() const {
  return fs::exists(env_.OnC("Program Files\\Brontel\\Backup"));
}

void InstallTest::MarkInstalledFiles(const std::string& content) const {
  for (const auto& name : kPayloadFiles) {
    WriteHostFile(env_.OnC("Program Files\\Brontel\\" + name), content + " " + name);
  }
}

}  // namespace brontel::testing
