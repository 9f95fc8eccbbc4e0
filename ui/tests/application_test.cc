#include "ui/application.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "base/exception.h"
#include "ui/exceptions.h"
#include "ui/message_dlg.h"
#include "ui/qt/qt_backend.h"
#include "ui/qt/user_input.h"
#include "ui/testing/dialog_recorder.h"
#include "ui/tests/test_form.h"

namespace brontel::ui {
namespace {

class ApplicationTest : public ::testing::Test {
 protected:
  ApplicationTest() : app_(qt::CreateQtBackend()), boxes_(app_) { app_.SetTitle("Setup"); }
  Application app_;
  testing::DialogRecorder boxes_;
};

TEST_F(ApplicationTest, EachKindHasItsTitleIconAndButtons) {
  struct Case {
    MsgDlgType kind;
    MsgDlgButtons buttons;
    const char* title;
    MsgIcon icon;
    ModalResult default_button;
    ModalResult cancel_button;
  } const cases[] = {
      {MsgDlgType::kWarning, mbYes | mbNo, "Warning", MsgIcon::kExclamation, ModalResult::kYes,
       ModalResult::kNo},
      {MsgDlgType::kError, mbOK, "Error", MsgIcon::kStop, ModalResult::kOk, ModalResult::kOk},
      {MsgDlgType::kInformation, mbYes | mbNo, "Information", MsgIcon::kInformation,
       ModalResult::kYes, ModalResult::kNo},
      {MsgDlgType::kConfirmation, mbYes | mbNo, "Confirm", MsgIcon::kQuestion, ModalResult::kYes,
       ModalResult::kNo},
      {MsgDlgType::kConfirmation, mbOK | mbCancel, "Confirm", MsgIcon::kQuestion, ModalResult::kOk,
       ModalResult::kCancel},
  };
  for (const Case& c : cases) {
    boxes_.Answer(ModalResult::kNo);
    EXPECT_EQ(MessageDlg("Sure?", c.kind, c.buttons), ModalResult::kNo);
    const MessageBoxRequest& box = boxes_.Boxes().back();
    EXPECT_EQ(box.title, c.title);
    EXPECT_EQ(box.text, "Sure?");
    EXPECT_EQ(box.icon, c.icon) << c.title;
    EXPECT_EQ(box.buttons, c.buttons);
    EXPECT_EQ(box.default_button, c.default_button) << c.title;
    EXPECT_EQ(box.cancel_button, c.cancel_button) << c.title;
    EXPECT_FALSE(box.closed_by_termination);
  }
}

TEST_F(ApplicationTest, ShowMessageIsTitledWithTheApplicationAndHasNoIcon) {
  ShowMessage("Brontel Setup Complete.");
  ASSERT_EQ(boxes_.Boxes().size(), 1u);
  EXPECT_EQ(boxes_.Boxes()[0].title, "Setup");
  EXPECT_EQ(boxes_.Boxes()[0].text, "Brontel Setup Complete.");
  EXPECT_EQ(boxes_.Boxes()[0].icon, MsgIcon::kNone);
  EXPECT_EQ(boxes_.Boxes()[0].buttons, mbOK);
}

TEST_F(ApplicationTest, AnExceptionFromAHandlerIsShownAndTheLoopGoesOn) {
  std::vector<int> ran;
  app_.Post([&] {
    ran.push_back(1);
    throw EFOpenError("Cannot open file x");
  });
  app_.Post([&] {
    ran.push_back(2);
    throw std::runtime_error("not one of ours");
  });
  app_.Post([&] {
    ran.push_back(3);
    app_.Terminate();
  });
  app_.Run();
  EXPECT_EQ(ran, (std::vector<int>{1, 2, 3}));
  ASSERT_EQ(boxes_.Boxes().size(), 2u);
  for (const MessageBoxRequest& box : boxes_.Boxes()) {
    EXPECT_EQ(box.title, "Setup");
    EXPECT_EQ(box.kind, MsgDlgType::kError);
    EXPECT_EQ(box.icon, MsgIcon::kStop);
    EXPECT_EQ(box.buttons, mbOK);
  }
  EXPECT_EQ(boxes_.Boxes()[0].text, "Cannot open file x.");
  EXPECT_EQ(boxes_.Boxes()[1].text, "not one of ours.");
}

TEST_F(ApplicationTest, OnceTerminatingEveryBoxClosesAtOnceWithCancel) {
  boxes_.Answer(ModalResult::kYes);
  app_.Terminate();
  EXPECT_TRUE(app_.Terminated());
  EXPECT_EQ(MessageDlg("Add a shortcut?", MsgDlgType::kConfirmation, mbYes | mbNo),
            ModalResult::kCancel);
  ASSERT_EQ(boxes_.Boxes().size(), 1u);
  EXPECT_TRUE(boxes_.Boxes()[0].closed_by_termination);
  EXPECT_EQ(boxes_.Pending(), 1u);  // the queued Yes was never used
}

TEST_F(ApplicationTest, ProcessMessagesRunsWhatIsPending) {
  bool ran = false;
  app_.Post([&] { ran = true; });
  EXPECT_FALSE(ran);
  app_.ProcessMessages();
  EXPECT_TRUE(ran);
}

TEST_F(ApplicationTest, OnlyOneApplicationAtATime) {
  EXPECT_EQ(Application::Current(), &app_);
  EXPECT_THROW(Application second(qt::CreateQtBackend()), EInvalidOperation);
  EXPECT_EQ(Application::Current(), &app_);
}

TEST_F(ApplicationTest, ClosingTheMainFormEndsTheLoop) {
  int asked = 0;
  TestForm* form = nullptr;
  app_.CreateForm(form,
                  "frmTest: TTestForm\n"
                  "  ClientSize = 200, 100\n"
                  "  OnCloseQuery = AskToClose\n",
                  [&](HandlerTable& handlers) {
                    handlers.Add<CloseQueryEvent>("AskToClose", [&](Component&, bool& can_close) {
                      can_close = ++asked == 2;  // the first request is refused
                    });
                  });
  ASSERT_EQ(app_.MainForm(), form);
  app_.Post([&] { qt::testing::CloseWindow(*form); });
  app_.Post([&] {
    EXPECT_TRUE(form->Visible());
    EXPECT_FALSE(app_.Terminated());
    qt::testing::CloseWindow(*form);
  });
  app_.Run();
  EXPECT_EQ(asked, 2);
  EXPECT_FALSE(form->Visible());
  EXPECT_TRUE(app_.Terminated());
}

TEST(PostTest, TasksStillPendingWhenTheApplicationGoesAreDropped) {
  bool ran = false;
  {
    Application app(qt::CreateQtBackend());
    app.Post([&] { ran = true; });
  }
  Application next(qt::CreateQtBackend());
  next.ProcessMessages();
  EXPECT_FALSE(ran);
}

TEST(MessageDlgWithoutApplicationTest, Raises) {
  EXPECT_THROW(MessageDlg("x", MsgDlgType::kError, mbOK), EInvalidOperation);
}

}  // namespace
}  // namespace brontel::ui
