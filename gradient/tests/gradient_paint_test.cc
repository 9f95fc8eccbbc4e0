#include <gtest/gtest.h>

#include "base/exception.h"
#include "gradient/gradient.h"
#include "gradient/tests/scheme_hive.h"
#include "platform/testing/temp_drive_map.h"
#include "ui/application.h"
#include "ui/class_registry.h"
#include "ui/qt/qt_backend.h"
#include "ui/qt/user_input.h"
#include "ui/recording_canvas.h"

namespace brontel {
namespace {

using ui::RecordingCanvas;

// Paints a gradient of the given size on a recording canvas of that size.
RecordingCanvas PaintAt(TGradient& gradient, int width, int height) {
  gradient.SetBounds(0, 0, width, height);
  RecordingCanvas canvas(width, height);
  gradient.Paint(canvas);
  return canvas;
}

// The main window's gradient: blue to black.
class BandTest : public testing::Test {
 protected:
  BandTest() : gradient_(nullptr) {
    EXPECT_THROW(gradient_.SetColorStart(ui::clBlue), ui::EInvalidOperation);
    EXPECT_THROW(gradient_.SetColorEnd(ui::clBlack), ui::EInvalidOperation);
  }
  TColor Entry(int i) const { return gradient_.ColorTable()[static_cast<std::size_t>(i)]; }
  TGradient gradient_;
};

TEST_F(BandTest, EveryPaintFills256BandsTheFirstTwoAtOnePlace) {
  for (int height : {0, 1, 100, 255, 510, 1000}) {
    RecordingCanvas canvas = PaintAt(gradient_, 40, height);
    ASSERT_EQ(canvas.Fills().size(), 256u) << height;
    EXPECT_EQ(canvas.Fills()[0].requested, canvas.Fills()[1].requested) << height;
    for (int i = 0; i < 256; ++i) {
      EXPECT_EQ(canvas.Fills()[static_cast<std::size_t>(i)].color, Entry(i));
    }
  }
}

TEST_F(BandTest, Height255ShowsEntryRowPlusOne) {
  RecordingCanvas canvas = PaintAt(gradient_, 10, 255);
  EXPECT_EQ(canvas.Fills()[1].requested, (ui::Rect{0, 0, 10, 2}));  // band 2 thick
  for (int row = 0; row < 255; ++row) EXPECT_EQ(canvas.ColorAt(5, row), Entry(row + 1)) << row;
  EXPECT_EQ(canvas.ColorAt(0, 0), ui::RgbColor(0, 0, 254));  // the top row is blue 254
}

TEST_F(BandTest, Height510HasThreePixelBands) {
  RecordingCanvas canvas = PaintAt(gradient_, 10, 510);
  EXPECT_EQ(canvas.Fills()[1].requested.Height(), 3);
  EXPECT_EQ(canvas.ColorAt(0, 0), Entry(1));
  EXPECT_EQ(canvas.ColorAt(0, 1), Entry(1));
  EXPECT_EQ(canvas.ColorAt(0, 2), Entry(2));
  EXPECT_EQ(canvas.ColorAt(0, 508), Entry(255));
  EXPECT_EQ(canvas.ColorAt(0, 509), Entry(255));
  for (int row = 0; row < 510; ++row) EXPECT_TRUE(canvas.ColorAt(0, row).has_value()) << row;
}

TEST_F(BandTest, Height100) {
  RecordingCanvas canvas = PaintAt(gradient_, 10, 100);
  EXPECT_EQ(canvas.Fills()[1].requested.Height(), 1);
  EXPECT_EQ(canvas.ColorAt(0, 0), Entry(3));
  EXPECT_EQ(canvas.ColorAt(0, 99), Entry(255));
  // The last band starts at trunc(254 × 100 / 255) and is cut at the control's edge.
  EXPECT_EQ(canvas.Fills()[255].requested, (ui::Rect{0, 99, 10, 100}));
}

TEST_F(BandTest, Height1ShowsTheLastEntry) {
  RecordingCanvas canvas = PaintAt(gradient_, 10, 1);
  EXPECT_EQ(canvas.ColorAt(0, 0), Entry(255));
}

TEST_F(BandTest, ZeroSizeDrawsNothingVisible) {
  for (auto [width, height] : {std::pair{0, 100}, std::pair{100, 0}}) {
    RecordingCanvas canvas = PaintAt(gradient_, width, height);
    for (const RecordingCanvas::Fill& fill : canvas.Fills()) EXPECT_TRUE(fill.drawn.Empty());
  }
}

TEST_F(BandTest, LeftRightBandsStandSideBySide) {
  EXPECT_THROW(gradient_.SetDirection(gdLeftRight), ui::EInvalidOperation);
  RecordingCanvas canvas = PaintAt(gradient_, 255, 7);
  EXPECT_EQ(canvas.Fills()[1].requested, (ui::Rect{0, 0, 2, 7}));
  for (int column = 0; column < 255; ++column) {
    EXPECT_EQ(canvas.ColorAt(column, 6), Entry(column + 1)) << column;
  }
  // Any other direction value paints from the top down.
  EXPECT_THROW(gradient_.SetDirection(static_cast<TGradDirection>(7)), ui::EInvalidOperation);
  RecordingCanvas up_down = PaintAt(gradient_, 7, 255);
  EXPECT_EQ(up_down.Fills()[1].requested, (ui::Rect{0, 0, 7, 2}));
}

// A gradient that counts its paints.
class CountingGradient : public TGradient {
 public:
  using TGradient::TGradient;
  void Paint(ui::Canvas& canvas) override {
    ++paints;
    TGradient::Paint(canvas);
  }
  int paints = 0;
};

class BackdropForm : public ui::Form {
 public:
  explicit BackdropForm(ui::Application& app) : Form(app, "TBackdrop", "BACKDROP") {}

 protected:
  std::string LayoutText() const override {
    return "frmBackdrop: TBackdrop\n"
           "  ClientSize = 255, 255\n"
           "Gradient1: TGradient in frmBackdrop\n"
           "  ColorStart = clBlue\n"
           "  ColorEnd = clBlack\n";
  }
  void AddClasses(ui::ClassRegistry& classes) override {
    classes.Add<CountingGradient>("TGradient");
  }
};

class OnScreenTest : public testing::Test {
 protected:
  OnScreenTest() : app_(ui::qt::CreateQtBackend()) {
    app_.CreateForm(form_);
    gradient_ = &form_->Get<CountingGradient>("Gradient1");
    form_->Show();
    app_.ProcessMessages();
  }
  platform::testing::TempDriveMap map_;
  ui::Application app_;
  BackdropForm* form_ = nullptr;
  CountingGradient* gradient_ = nullptr;
};

TEST_F(OnScreenTest, LoadingFillsTheClientAreaFromBlueToBlack) {
  EXPECT_EQ(gradient_->Width(), 255);
  EXPECT_EQ(gradient_->Height(), 255);
  EXPECT_EQ(gradient_->ColorTable()[0], ui::clBlue);
  EXPECT_EQ(gradient_->ColorTable()[255], ui::clBlack);
  const int bottom = static_cast<int>(form_->ClientHeight() * 0.8) - 1;  // 96 of 120 pixels/inch
  EXPECT_EQ(ui::qt::testing::GrabPixel(*form_, 0, 0), 0x0000FEu);
  EXPECT_EQ(ui::qt::testing::GrabPixel(*form_, 0, bottom), 0x000000u);
}

TEST_F(OnScreenTest, EveryAssignmentRepaintsBeforeReturning) {
  int before = gradient_->paints;
  gradient_->SetColorStart(ui::clBlue);  // the same value still repaints
  EXPECT_EQ(gradient_->paints, before + 1);
  const std::array<TColor, 256> table = gradient_->ColorTable();
  gradient_->SetDirection(gdUpDown);
  EXPECT_EQ(gradient_->paints, before + 2);
  EXPECT_EQ(gradient_->ColorTable(), table);
  gradient_->SetSwap(true);
  EXPECT_EQ(gradient_->paints, before + 3);
  EXPECT_EQ(gradient_->ColorTable()[0], ui::clBlack);
}

TEST_F(OnScreenTest, AFailedAssignmentPaintsNothing) {
  WriteColorScheme(map_, "\"ButtonFace\"=\"1 x 2\"\n");
  int before = gradient_->paints;
  const std::array<TColor, 256> table = gradient_->ColorTable();
  EXPECT_THROW(gradient_->SetColorEnd(ui::clBtnFace), EConvertError);
  EXPECT_EQ(gradient_->paints, before);
  EXPECT_EQ(gradient_->ColorTable(), table);
  EXPECT_EQ(gradient_->ColorEnd(), ui::clBtnFace);
}

}  // namespace
}  // namespace brontel
