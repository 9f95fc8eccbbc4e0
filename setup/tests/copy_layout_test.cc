// The extraction dialog's layout, loaded with a stand-in for the archive component.
#include <gtest/gtest.h>

#include <cstdint>

#include "ui/application.h"
#include "ui/button.h"
#include "ui/class_registry.h"
#include "ui/gauge.h"
#include "ui/handler_table.h"
#include "ui/label.h"
#include "ui/layout.h"
#include "ui/panel.h"
#include "ui/qt/qt_backend.h"
#include "ui/qt/user_input.h"

namespace brontel {
namespace {

using ProgressEvent = std::function<void(ui::Component& sender, std::int32_t& percentage)>;

// Takes the archive component's settings as they are written.
class StandInArchive : public ui::Component {
 public:
  explicit StandInArchive(ui::Form* owner) : Component(owner) {}
  std::string ClassName() const override { return "TVondral"; }
  bool ApplySetting(const std::string& name, const ui::LayoutValue& value,
                    const ui::HandlerTable& handlers) override {
    if (name == "MakeDirectories") {
      make_directories = value.Bool();
    } else if (name == "ExceptionOnFileError") {
      exception_on_file_error = value.Bool();
    } else if (name == "Key") {
      key = value.Int();
    } else if (name == "OnShowProgress") {
      on_show_progress = handlers.Get<ProgressEvent>(value.Word());
    } else {
      return false;
    }
    return true;
  }
  bool make_directories = false;
  bool exception_on_file_error = true;
  int key = -1;
  ProgressEvent on_show_progress;
};

class CopyForm : public ui::Form {
 public:
  explicit CopyForm(ui::Application& app) : Form(app, "TfrmCopy", "COPY") {}
  std::vector<std::string> calls;

 protected:
  void AddClasses(ui::ClassRegistry& classes) override { classes.Add<StandInArchive>("TVondral"); }
  void PublishHandlers(ui::HandlerTable& handlers) override {
    handlers.Add<ui::NotifyEvent>("btnCopyCancelClick",
                                  [this](ui::Component&) { calls.push_back("cancel"); });
    handlers.Add<ProgressEvent>("Vondral1ShowProgress", [this](ui::Component&, std::int32_t& p) {
      calls.push_back("progress " + std::to_string(p));
    });
  }
};

TEST(CopyLayoutTest, TheDialogAsTheLayoutDescribesIt) {
  ui::Application app(ui::qt::CreateQtBackend());
  CopyForm* form = nullptr;
  app.CreateForm(form);
  EXPECT_EQ(form->Name(), "frmCopy");
  EXPECT_EQ(form->ClientWidth(), 305);
  EXPECT_EQ(form->ClientHeight(), 149);
  EXPECT_EQ(form->GetBorderStyle(), ui::BorderStyle::kNone);
  EXPECT_TRUE(form->StayOnTop());
  EXPECT_EQ(form->Position(), ui::FormPosition::kScreenCenter);

  auto& panel = form->Get<ui::Panel>("Panel3");
  EXPECT_EQ(panel.BevelOuter(), ui::Bevel::kRaised);
  EXPECT_EQ(panel.BevelInner(), ui::Bevel::kRaised);
  EXPECT_EQ(panel.Caption(), "");
  auto& gauge = form->Get<ui::Gauge>("Gauge1");
  EXPECT_EQ(gauge.Parent(), &panel);
  EXPECT_EQ(gauge.Progress(), 0);
  EXPECT_TRUE(gauge.GetFont().bold);
  EXPECT_EQ(gauge.GetFont().name, "MS Sans Serif");
  EXPECT_EQ(form->Get<ui::Label>("Label1").Caption(), ".");
  auto& title = form->Get<ui::Label>("Label2");
  EXPECT_EQ(title.Caption(), "Extracting Files");
  EXPECT_EQ(title.GetAlignment(), ui::Alignment::kCenter);
  EXPECT_EQ(title.Width(), 107);
  EXPECT_EQ(form->Get<ui::Button>("btnCopyCancel").Caption(), "Cancel");

  auto& archive = form->Get<StandInArchive>("Vondral1");
  EXPECT_TRUE(archive.make_directories);
  EXPECT_FALSE(archive.exception_on_file_error);
  EXPECT_EQ(archive.key, 0);
  std::int32_t percentage = 40;
  archive.on_show_progress(archive, percentage);

  form->Show();
  ASSERT_TRUE(ui::qt::testing::ActivateWindow(*form));
  ui::qt::testing::Click(form->Get<ui::Button>("btnCopyCancel"));
  EXPECT_EQ(form->calls, (std::vector<std::string>{"progress 40", "cancel"}));

  // A black bar on white, growing from the left; 96 of 120 pixels per inch.
  gauge.SetProgress(50);
  const int y = (68 + 14) * 4 / 5;
  EXPECT_EQ(ui::qt::testing::GrabPixel(*form, 20 * 4 / 5 + 3, y), 0x000000u);
  EXPECT_EQ(ui::qt::testing::GrabPixel(*form, (20 + 255) * 4 / 5, y), 0xFFFFFFu);
}

}  // namespace
}  // namespace brontel
