#include <gtest/gtest.h>

#include "ui/application.h"
#include "ui/edit.h"
#include "ui/exceptions.h"
#include "ui/gauge.h"
#include "ui/graphic_control.h"
#include "ui/panel.h"
#include "ui/qt/qt_backend.h"
#include "ui/qt/user_input.h"
#include "ui/recording_canvas.h"
#include "ui/tests/test_form.h"

namespace brontel::ui {
namespace {

TEST(GaugeTest, HoldsItsValueWithinZeroToHundred) {
  Gauge gauge(nullptr);
  struct Case {
    int set;
    int held;
    const char* text;
  } const cases[] = {
      {40, 40, "40%"}, {-5, 0, "0%"}, {100, 100, "100%"}, {250, 100, "100%"}, {7, 7, "7%"}};
  for (const Case& c : cases) {
    gauge.SetProgress(c.set);
    EXPECT_EQ(gauge.Progress(), c.held) << c.set;
    EXPECT_EQ(gauge.PercentText(), c.text);
  }
}

TEST(RecordingCanvasTest, ClipsToTheSurfaceAndKnowsTheLastColourAtAPoint) {
  RecordingCanvas canvas(10, 5);
  canvas.SetBrushColor(clRed);
  canvas.FillRect(Rect{-5, -5, 4, 4});
  canvas.SetBrushColor(clBlue);
  canvas.FillRect(Rect{2, 2, 20, 20});
  canvas.FillRect(Rect{10, 0, 12, 5});  // wholly outside
  ASSERT_EQ(canvas.Fills().size(), 3u);
  EXPECT_EQ(canvas.Fills()[0].drawn, (Rect{0, 0, 4, 4}));
  EXPECT_EQ(canvas.Fills()[1].drawn, (Rect{2, 2, 10, 5}));
  EXPECT_TRUE(canvas.Fills()[2].drawn.Empty());
  EXPECT_EQ(canvas.ColorAt(0, 0), clRed);
  EXPECT_EQ(canvas.ColorAt(3, 3), clBlue);  // the later fill wins
  EXPECT_EQ(canvas.ColorAt(9, 0), std::nullopt);
  EXPECT_EQ(canvas.ColorAt(10, 4), std::nullopt);  // right edge exclusive
}

// A graphic control that fills itself with one colour and counts its paints.
class Swatch : public GraphicControl {
 public:
  explicit Swatch(Form* owner) : GraphicControl(owner) {}
  std::string ClassName() const override { return "Swatch"; }
  void Paint(Canvas& canvas) override {
    ++paints;
    canvas.SetBrushColor(clRed);
    canvas.FillRect(Rect{0, 0, Width(), Height()});
  }
  int paints = 0;
};

TEST(GraphicControlTest, RepaintNeedsAParent) {
  Swatch swatch(nullptr);
  swatch.SetName("Swatch1");
  try {
    swatch.Repaint();
    FAIL() << "painted without a parent";
  } catch (const EInvalidOperation& e) {
    EXPECT_EQ(e.Message(), "Control 'Swatch1' has no parent window");
  }
  Panel panel(nullptr);
  swatch.SetParent(&panel);
  swatch.Repaint();  // a parent but no window yet: nothing to paint, nothing fails
  EXPECT_EQ(swatch.paints, 0);
}

class OnScreenControlsTest : public ::testing::Test {
 protected:
  OnScreenControlsTest() : app_(qt::CreateQtBackend()) {
    app_.CreateForm(
        form_,
        "frmTest: TTestForm\n"
        "  ClientSize = 200, 100\n"
        "Swatch1: Swatch in frmTest\n"
        "  Bounds = 10, 10, 50, 50\n"
        "txtName: Edit in frmTest\n"
        "  Bounds = 70, 10, 100, 24\n"
        "  OnChange = Changed\n"
        "Gauge1: Gauge in frmTest\n"
        "  Bounds = 10, 70, 180, 20\n"
        "  Progress = 30\n",
        [this](HandlerTable& handlers) {
          handlers.Add<NotifyEvent>("Changed", [this](Component& sender) {
            changes_.push_back(static_cast<Edit&>(sender).Text());
          });
        },
        [](ClassRegistry& classes) { classes.Add<Swatch>("Swatch"); });
    form_->Show();
    app_.ProcessMessages();
  }
  Application app_;
  TestForm* form_ = nullptr;
  std::vector<std::string> changes_;
};

TEST_F(OnScreenControlsTest, RepaintPaintsBeforeReturning) {
  auto& swatch = form_->Get<Swatch>("Swatch1");
  const int before = swatch.paints;
  swatch.Repaint();
  EXPECT_EQ(swatch.paints, before + 1);
  // 10 layout pixels in at 96 of 120 pixels per inch.
  EXPECT_EQ(qt::testing::GrabPixel(*form_, 8 + 20, 8 + 20), 0xFF0000u);
}

TEST_F(OnScreenControlsTest, EditRaisesOnChangeForTypingAndForNewText) {
  auto& edit = form_->Get<Edit>("txtName");
  EXPECT_TRUE(changes_.empty());  // not while loading
  ASSERT_TRUE(qt::testing::ActivateWindow(*form_));
  qt::testing::TypeText(edit, "ab");
  edit.SetText("c:\\x");
  edit.SetText("c:\\x");  // the same text again: no change
  EXPECT_EQ(changes_, (std::vector<std::string>{"a", "ab", "c:\\x"}));
  EXPECT_EQ(edit.Text(), "c:\\x");
}

TEST_F(OnScreenControlsTest, GaugeFromTheLayout) {
  EXPECT_EQ(form_->Get<Gauge>("Gauge1").Progress(), 30);
}

}  // namespace
}  // namespace brontel::ui
