#include "setup/program.h"

#include <gtest/gtest.h>

#include "base/exception.h"
#include "platform/testing/temp_drive_map.h"
#include "setup/main_form.h"
#include "ui/qt/qt_backend.h"
#include "ui/qt/user_input.h"

namespace brontel {
namespace {

TEST(RunSetupTest, StartsRunsAndStopsInOrder) {
  platform::testing::TempDriveMap map;
  std::vector<std::string> log;
  std::vector<ui::MessageBoxRequest> boxes;
  ProgramModules modules;
  for (const char* name : {"first", "second"}) {
    modules.AddModule(name, [&log, name](ProgramModules& m) {
      m.AddShutdownStep([&log, name] {
        log.push_back(std::string("stop ") + name +
                      (ui::Application::Current() != nullptr ? " (forms alive)" : ""));
      });
      log.push_back(std::string("start ") + name +
                    (ui::Application::Current() != nullptr ? " (forms alive)" : ""));
    });
  }

  int code = RunSetup(modules, ui::qt::CreateQtBackend, [&](ui::Application& app) {
    log.push_back("ready " + app.Title() + " " + (frmMain != nullptr ? frmMain->Name() : "-"));
    app.SetDialogHook([&](const ui::MessageBoxRequest& box) {
      boxes.push_back(box);
      return ui::ModalResult::kYes;
    });
    app.Post([&] {
      log.push_back(std::string("running") + (frmMain->Visible() ? " shown" : ""));
      throw EInOutError("Something failed");
    });
    app.Post([&] {
      app.ProcessMessages();  // the window system's answer to the maximising
      log.push_back(std::string("closing") + (frmMain->Width() > 675 ? " maximised" : ""));
      ui::qt::testing::CloseWindow(*frmMain);
    });
  });

  EXPECT_EQ(code, 0);
  EXPECT_EQ(frmMain, nullptr);
  EXPECT_EQ(ui::Application::Current(), nullptr);
  EXPECT_EQ(log,
            (std::vector<std::string>{"start first", "start second", "ready Setup frmMain",
                                      "running shown", "closing maximised",
                                      "stop second (forms alive)", "stop first (forms alive)"}));
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].title, "Setup");
  EXPECT_EQ(boxes[0].text, "Something failed.");
  EXPECT_EQ(boxes[1].kind, ui::MsgDlgType::kWarning);
}

}  // namespace
}  // namespace brontel
