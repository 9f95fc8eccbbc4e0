// The installer run as a person runs it: the program's start-up with its modules, the message
// loop, a click through both panels, and the end of the program when the sequence is done.
#include <gtest/gtest.h>

#include <filesystem>

#include "setup/app_modules.h"
#include "setup/program.h"
#include "setup/tests/install_fixture.h"
#include "ui/qt/qt_backend.h"
#include "ui/qt/user_input.h"

namespace brontel {
namespace {

namespace fs = std::filesystem;
namespace input = ui::qt::testing;
using ui::ModalResult;

TEST(SetupRunTest, ClickingThroughInstallsBrontelWithItsShortcutAndEnds) {
  testing::InstallEnvironment env;
  testing::RecordingProcess process;
  std::vector<ui::MessageBoxRequest> boxes;
  ProgramModules modules;
  AddProgramModules(modules);

  const int code = RunSetup(modules, ui::qt::CreateQtBackend, [&](ui::Application& app) {
    frmMain->SetProcess(&process);
    app.SetDialogHook([&](const ui::MessageBoxRequest& box) {
      boxes.push_back(box);
      return box.text == testing::kBackupQuestion ? ModalResult::kNo : ModalResult::kYes;
    });
    app.Post([] {
      ASSERT_TRUE(input::ActivateWindow(*frmMain));
      input::Click(*frmMain->btnContinue);
      // The folder panel offers the fixed folder; Continue takes it as it is.
      ASSERT_EQ(frmMain->txtDestPath->Text(), testing::kDefaultDest);
      input::Click(*frmMain->btnDirContinue);
    });
  });

  EXPECT_EQ(code, 0);
  EXPECT_EQ(frmMain, nullptr);
  std::vector<std::string> texts;
  for (const auto& box : boxes) texts.push_back(box.text);
  EXPECT_EQ(texts, (std::vector<std::string>{
                       "The directory C:\\Program Files\\Brontel does not exist. Create it?",
                       testing::kBackupQuestion, testing::kShortcutQuestion,
                       testing::kReadmeQuestion, testing::kComplete}));
  for (const auto& name : testing::kPayloadFiles) {
    EXPECT_EQ(testing::ReadHostFile(env.OnC("Program Files\\Brontel\\" + name)),
              testing::PayloadFile(name))
        << name;
  }
  ASSERT_TRUE(fs::is_regular_file(env.LinkFile()));
  EXPECT_EQ(testing::ReadLink(std::string(testing::kPrograms) + "\\Brontel.lnk").Path,
            "C:\\Program Files\\Brontel\\BRONTEL.EXE");
  ASSERT_EQ(process.started.size(), 1u);
  EXPECT_EQ(process.started[0][1], env.OnC("Program Files\\Brontel\\readme.txt"));
}

}  // namespace
}  // namespace brontel
