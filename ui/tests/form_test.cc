#include "ui/form.h"

#include <gtest/gtest.h>

#include "base/exception.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/exceptions.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/qt/qt_backend.h"
#include "ui/qt/user_input.h"
#include "ui/testing/dialog_recorder.h"
#include "ui/tests/test_form.h"

namespace brontel::ui {
namespace {

namespace input = qt::testing;

class FormTest : public ::testing::Test {
 protected:
  FormTest() : app_(qt::CreateQtBackend()), boxes_(app_) { app_.SetTitle("Setup"); }

  // Publishes handlers that record "<handler>:<sender>".
  std::function<void(HandlerTable&)> Recording(std::vector<std::string> names) {
    return [this, names](HandlerTable& handlers) {
      for (const std::string& name : names) {
        handlers.Add<NotifyEvent>(name, [this, name](Component& sender) {
          calls_.push_back(name + ":" + sender.Name());
        });
      }
    };
  }

  Application app_;
  testing::DialogRecorder boxes_;
  std::vector<std::string> calls_;
};

TEST_F(FormTest, LoadMakesTheComponentsTheLayoutNames) {
  TestForm* form = nullptr;
  bool reference_set_in_create = false;
  std::size_t components_in_create = 0;
  app_.CreateForm(form,
                  "frmTest: TTestForm\n"
                  "  Caption = \"Test\"\n"
                  "  Bounds = 10, 20, 300, 200\n"
                  "  Font.Name = \"Times New Roman\"\n"
                  "  Font.Height = 20\n"
                  "  OnCreate = Created\n"
                  "Panel1: Panel in frmTest\n"
                  "  Bounds = 5, 6, 100, 50\n"
                  "  BevelInner = Lowered\n"
                  "  Visible = false\n"
                  "lblInside: Label in Panel1\n"
                  "  Bounds = 1, 2\n"
                  "  Caption = \"inside\"\n"
                  "btnGo: Button in frmTest\n"
                  "  Bounds = 8, 100, 90, 28\n"
                  "  Font.Height = 13\n"
                  "  OnClick = Go\n",
                  [&](HandlerTable& handlers) {
                    handlers.Add<NotifyEvent>("Created", [&](Component& sender) {
                      reference_set_in_create = form == &sender;
                      components_in_create = form->Components().size();
                    });
                    handlers.Add<NotifyEvent>("Go", [&](Component&) { calls_.push_back("Go"); });
                  });
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(app_.MainForm(), form);
  EXPECT_TRUE(reference_set_in_create);
  EXPECT_EQ(components_in_create, 3u);
  EXPECT_EQ(form->Name(), "frmTest");
  EXPECT_EQ(form->Caption(), "Test");
  EXPECT_EQ(form->Width(), 300);
  EXPECT_FALSE(form->Visible());

  auto& panel = form->Get<Panel>("panel1");  // names match without regard to case
  EXPECT_EQ(panel.Parent(), form);
  EXPECT_EQ(panel.Left(), 5);
  EXPECT_EQ(panel.BevelInner(), Bevel::kLowered);
  EXPECT_FALSE(panel.Visible());
  auto& label = form->Get<Label>("lblInside");
  EXPECT_EQ(label.Parent(), &panel);
  EXPECT_EQ(label.GetFont().name, "Times New Roman");  // from the form, through the panel
  EXPECT_TRUE(label.ParentFont());
  auto& button = form->Get<Button>("btnGo");
  EXPECT_EQ(button.GetFont().height, 13);
  EXPECT_EQ(button.GetFont().name, "Times New Roman");
  EXPECT_THROW(form->Get<Label>("btnGo"), ELayoutError);

  form->Show();
  ASSERT_TRUE(input::ActivateWindow(*form));
  input::Click(button);
  EXPECT_EQ(calls_, (std::vector<std::string>{"Go"}));
}

TEST_F(FormTest, LayoutFaultsNameTheLineAndKeepNoForm) {
  struct Case {
    const char* layout;
    const char* message;
  } const cases[] = {
      {"frmX: TOther\n",
       "layout TEST line 1: the first entry must be the form, of class TTestForm"},
      {"frmTest: TTestForm\nb: Blob in frmTest\n", "layout TEST line 2: unknown class 'Blob'"},
      {"frmTest: TTestForm\nb: Button in frmTest\n  Colour = clRed\n",
       "layout TEST line 3: unknown setting 'Colour' of Button"},
      {"frmTest: TTestForm\nb: Button in frmTest\n  OnClick = Missing\n",
       "layout TEST line 3: OnClick: no handler named 'Missing'"},
      {"frmTest: TTestForm\n  OnCloseQuery = Clicked\n",
       "layout TEST line 2: OnCloseQuery: handler 'Clicked' does not fit this event"},
      {"frmTest: TTestForm\nb: Button in frmTest\nc: Button in b\n",
       "layout TEST line 3: 'b' is no earlier form or panel"},
      {"frmTest: TTestForm\nb: Button in frmTest\nB: Label in frmTest\n",
       "layout TEST line 3: a second component named 'B'"},
      {"frmTest: TTestForm\nb: Button\n", "layout TEST line 2: the control 'b' needs a parent"},
      {"frmTest: TTestForm\n  Bounds = 1, 2, 3\n",
       "layout TEST line 2: Bounds: Bounds takes left, top and optionally width, height"},
      {"", "layout TEST: no entries"},
  };
  for (const Case& c : cases) {
    TestForm* form = nullptr;
    try {
      app_.CreateForm(form, c.layout, Recording({"Clicked"}));
      ADD_FAILURE() << "loaded: " << c.layout;
    } catch (const ELayoutError& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
    EXPECT_EQ(form, nullptr);
    EXPECT_EQ(app_.MainForm(), nullptr);
  }
}

TEST_F(FormTest, AnExceptionInTheCreationHandlerIsShownAndTheFormStays) {
  TestForm* form = nullptr;
  app_.CreateForm(form, "frmTest: TTestForm\n  OnCreate = Boom\n", [](HandlerTable& handlers) {
    handlers.Add<NotifyEvent>("Boom",
                              [](Component&) { throw EResNotFound("Resource x not found"); });
  });
  EXPECT_NE(form, nullptr);
  EXPECT_EQ(app_.MainForm(), form);
  ASSERT_EQ(boxes_.Boxes().size(), 1u);
  EXPECT_EQ(boxes_.Boxes()[0].text, "Resource x not found.");
  EXPECT_EQ(boxes_.Boxes()[0].title, "Setup");
}

// Two panels, each with a default button, a second button and an edit box; one shown at a time.
constexpr char kTwoPanels[] =
    "frmTest: TTestForm\n"
    "  ClientSize = 400, 200\n"
    "A: Panel in frmTest\n"
    "  Bounds = 0, 0, 200, 200\n"
    "btnAGo: Button in A\n"
    "  Bounds = 10, 10, 80, 25\n"
    "  Default = true\n"
    "  OnClick = Clicked\n"
    "btnAOther: Button in A\n"
    "  Bounds = 10, 40, 80, 25\n"
    "  OnClick = Clicked\n"
    "B: Panel in frmTest\n"
    "  Bounds = 200, 0, 200, 200\n"
    "txtB: Edit in B\n"
    "  Bounds = 10, 10, 150, 24\n"
    "btnBGo: Button in B\n"
    "  Bounds = 10, 40, 80, 25\n"
    "  Default = true\n"
    "  OnClick = Clicked\n"
    "btnBCancel: Button in B\n"
    "  Bounds = 10, 70, 80, 25\n"
    "  Cancel = true\n"
    "  OnClick = Clicked\n";

TEST_F(FormTest, EnterPressesTheFocusedButtonElseTheShowingDefault) {
  TestForm* form = nullptr;
  app_.CreateForm(form, kTwoPanels, Recording({"Clicked"}));
  form->Get<Panel>("A").Hide();
  ASSERT_TRUE(input::ActivateWindow(*form));

  input::PressKey(*form, input::Key::kEnter);  // nothing focused: B's default
  form->Get<Edit>("txtB").SetFocus();
  input::PressKey(*form, input::Key::kEnter);  // from within the edit box: still the default
  form->Get<Button>("btnBCancel").SetFocus();
  input::PressKey(*form, input::Key::kEnter);  // another button of the panel has the focus
  input::PressKey(*form, input::Key::kEscape);
  EXPECT_EQ(calls_, (std::vector<std::string>{"Clicked:btnBGo", "Clicked:btnBGo",
                                              "Clicked:btnBCancel", "Clicked:btnBCancel"}));

  calls_.clear();
  form->Get<Panel>("B").Hide();
  form->Get<Panel>("A").Show();
  form->Get<Button>("btnAOther").SetFocus();
  input::PressKey(*form, input::Key::kEnter);
  form->Get<Button>("btnAGo").SetFocus();
  input::PressKey(*form, input::Key::kEnter);
  input::PressKey(*form, input::Key::kEscape);  // no cancel button is showing
  EXPECT_EQ(calls_, (std::vector<std::string>{"Clicked:btnAOther", "Clicked:btnAGo"}));
}

TEST_F(FormTest, DisabledOrHiddenDefaultButtonsAreNotPressed) {
  TestForm* form = nullptr;
  app_.CreateForm(form, kTwoPanels, Recording({"Clicked"}));
  form->Get<Panel>("A").Hide();
  form->Get<Button>("btnBGo").SetEnabled(false);
  EXPECT_FALSE(form->HandleDialogKey(DialogKey::kEnter));  // form itself hidden: nothing shows
  form->Show();
  EXPECT_FALSE(form->HandleDialogKey(DialogKey::kEnter));
  form->Get<Button>("btnBGo").SetEnabled(true);
  EXPECT_TRUE(form->HandleDialogKey(DialogKey::kEnter));
  EXPECT_EQ(calls_, (std::vector<std::string>{"Clicked:btnBGo"}));
}

// The focus is left to the window system and the form: nothing here sets it before the keys.
TEST_F(FormTest, EnterReachesTheNextPanelWhenTheFocusedOneIsHidden) {
  TestForm* form = nullptr;
  app_.CreateForm(form, kTwoPanels, Recording({"Clicked"}));
  auto& a = form->Get<Panel>("A");
  auto& b = form->Get<Panel>("B");
  b.Hide();
  form->Get<Button>("btnAGo").OnClick = [&](Component&) {
    a.Hide();
    b.Show();
  };
  ASSERT_TRUE(input::ActivateWindow(*form));

  input::PressKey(*form, input::Key::kEnter);
  ASSERT_TRUE(b.Visible());
  EXPECT_TRUE(form->Get<Edit>("txtB").Focused());
  input::PressKey(*form, input::Key::kEnter);
  EXPECT_EQ(calls_, (std::vector<std::string>{"Clicked:btnBGo"}));
}

// While its window is in the background nobody moves the focus off a hidden button; a key that
// reaches the button then is still the form's to decide.
TEST_F(FormTest, AHiddenButtonThatStillHoldsTheFocusLeavesEnterToTheForm) {
  TestForm* form = nullptr;
  TestForm* other = nullptr;
  app_.CreateForm(form, kTwoPanels, Recording({"Clicked"}));
  app_.CreateForm(other, "frmOther: TTestForm\n  ClientSize = 100, 50\n");
  form->Get<Panel>("B").Hide();
  ASSERT_TRUE(input::ActivateWindow(*form));
  form->Get<Button>("btnAGo").SetFocus();
  ASSERT_TRUE(input::ActivateWindow(*other));

  form->Get<Panel>("A").Hide();
  form->Get<Panel>("B").Show();
  input::PressKey(*form, input::Key::kEnter);
  EXPECT_EQ(calls_, (std::vector<std::string>{"Clicked:btnBGo"}));
}

// Panel B comes first in tab order, and inside each panel the tab order differs from the order
// of creation.
constexpr char kTabOrders[] =
    "frmTest: TTestForm\n"
    "  ClientSize = 400, 200\n"
    "A: Panel in frmTest\n"
    "  Bounds = 0, 0, 200, 200\n"
    "  TabOrder = 1\n"
    "btnA1: Button in A\n"
    "  Bounds = 10, 40, 80, 25\n"
    "  TabOrder = 1\n"
    "btnA0: Button in A\n"
    "  Bounds = 10, 10, 80, 25\n"
    "  TabOrder = 0\n"
    "B: Panel in frmTest\n"
    "  Bounds = 200, 0, 200, 200\n"
    "  TabOrder = 0\n"
    "lblB: Label in B\n"
    "  Bounds = 10, 100\n"
    "  Caption = \"label\"\n"
    "txtB: Edit in B\n"
    "  Bounds = 10, 40, 150, 24\n"
    "  TabOrder = 1\n"
    "btnB: Button in B\n"
    "  Bounds = 10, 10, 80, 25\n"
    "  TabOrder = 0\n";

TEST_F(FormTest, AFocusedControlThatCannotKeepTheFocusPassesItOnInTabOrder) {
  struct Case {
    const char* what;
    const char* focused;
    std::function<void(Form&)> change;
    const char* expected;  // empty: no control has the focus
  };
  auto hide = [](const char* name) { return [name](Form& f) { f.Get<Control>(name).Hide(); }; };
  const Case cases[] = {
      {"hidden itself", "btnB", hide("btnB"), "txtB"},
      {"disabled", "btnB", [](Form& f) { f.Get<Control>("btnB").SetEnabled(false); }, "txtB"},
      {"its panel hidden", "txtB", hide("B"), "btnA0"},
      {"the other panel hidden", "btnA1", hide("B"), "btnA1"},
      {"another panel shown", "btnA1",
       [](Form& f) {
         f.Get<Control>("B").Hide();
         f.Get<Control>("B").Show();
       },
       "btnA1"},
      {"every panel hidden", "btnA1",
       [](Form& f) {
         f.Get<Control>("A").Hide();
         f.Get<Control>("B").Hide();
       },
       ""},
      {"a panel shown after all were hidden", "btnA1",
       [](Form& f) {
         f.Get<Control>("A").Hide();
         f.Get<Control>("B").Hide();
         f.Get<Control>("A").Show();
       },
       "btnA0"},
      {"a control enabled after all were disabled", "btnA0",
       [](Form& f) {
         for (const char* name : {"btnA0", "btnA1", "btnB", "txtB"}) {
           f.Get<Control>(name).SetEnabled(false);
         }
         f.Get<Control>("txtB").SetEnabled(true);
       },
       "txtB"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestForm* form = nullptr;
    app_.CreateForm(form, kTabOrders, Recording({}));
    ASSERT_TRUE(input::ActivateWindow(*form));
    form->Get<Control>(c.focused).SetFocus();
    ASSERT_TRUE(form->Get<Control>(c.focused).Focused());

    c.change(*form);
    Control* focused = form->FocusedControl();
    EXPECT_EQ(focused != nullptr ? focused->Name() : "", c.expected);
    app_.DestroyForm(form);
  }
}

TEST_F(FormTest, CloseAsksAndOnlyTheMainFormEndsTheApplication) {
  bool allow = false;
  auto publish = [&](HandlerTable& handlers) {
    handlers.Add<CloseQueryEvent>("Ask", [&](Component&, bool& can_close) { can_close = allow; });
  };
  TestForm* main_form = nullptr;
  TestForm* dialog = nullptr;
  app_.CreateForm(main_form, "frmTest: TTestForm\n  OnCloseQuery = Ask\n", publish);
  app_.CreateForm(dialog, "frmTest: TTestForm\n  OnCloseQuery = Ask\n", publish);
  main_form->Show();
  dialog->Show();

  dialog->Close();
  EXPECT_TRUE(dialog->Visible());
  allow = true;
  dialog->Close();
  EXPECT_FALSE(dialog->Visible());
  EXPECT_FALSE(app_.Terminated());

  allow = false;
  input::CloseWindow(*main_form);
  EXPECT_TRUE(main_form->Visible());
  EXPECT_FALSE(app_.Terminated());
  allow = true;
  input::CloseWindow(*main_form);
  EXPECT_FALSE(main_form->Visible());
  EXPECT_TRUE(app_.Terminated());

  app_.DestroyForm(dialog);
  EXPECT_EQ(dialog, nullptr);
  EXPECT_EQ(app_.MainForm(), main_form);
}

TEST_F(FormTest, ClientAlignedControlsFillTheClientArea) {
  TestForm* form = nullptr;
  app_.CreateForm(form,
                  "frmTest: TTestForm\n"
                  "  ClientSize = 300, 120\n"
                  "Back: Panel in frmTest\n"
                  "  Align = Client\n",
                  Recording({}));
  auto& back = form->Get<Panel>("Back");
  EXPECT_EQ(back.Width(), 300);
  EXPECT_EQ(back.Height(), 120);
  form->SetClientSize(250, 100);
  EXPECT_EQ(back.Width(), 250);
  EXPECT_EQ(back.Height(), 100);
  form->Show();
  app_.ProcessMessages();
  // The window system's size comes back in layout units, rounded so that it covers the window.
  EXPECT_GE(back.Width(), 250);
  EXPECT_LE(back.Width(), 251);
  EXPECT_EQ(back.Height(), form->ClientHeight());
}

}  // namespace
}  // namespace brontel::ui
