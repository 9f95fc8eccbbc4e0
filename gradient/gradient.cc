#include "gradient/gradient.h"

#include <cmath>

#include "base/strings.h"
#include "ui/exceptions.h"
#include "ui/layout.h"

namespace brontel {

namespace {

TColor Assemble(std::int32_t red, std::int32_t green, std::int32_t blue) {
  return ui::RgbColor(static_cast<std::uint8_t>(red & 0xFF),
                      static_cast<std::uint8_t>(green & 0xFF),
                      static_cast<std::uint8_t>(blue & 0xFF));
}

}  // namespace

TGradient::TGradient(ui::Form* owner)
    : GraphicControl(owner),
      color_start_(ui::clBlack),
      color_end_(ui::clBlue),
      direction_(gdUpDown),
      swap_(false) {
  SetAlign(ui::Align::kClient);
  BuildColorTable();
}

void TGradient::SetColorStart(TColor color) {
  color_start_ = color;
  Assigned();
}

void TGradient::SetColorEnd(TColor color) {
  color_end_ = color;
  Assigned();
}

void TGradient::SetDirection(TGradDirection direction) {
  direction_ = direction;
  Assigned();
}

void TGradient::SetSwap(bool swap) {
  swap_ = swap;
  Assigned();
}

void TGradient::Assigned() {
  BuildColorTable();
  Repaint();
}

void TGradient::BuildColorTable() {
  std::int32_t red = 0;
  std::int32_t green = 0;
  std::int32_t blue = 0;
  ResolveColor(color_end_, red, green, blue);
  const TColor end = Assemble(red, green, blue);
  ResolveColor(color_start_, red, green, blue);
  const TColor start = Assemble(red, green, blue);

  const TColor first = swap_ ? end : start;
  const TColor last = swap_ ? start : end;
  const int first_channels[3] = {ui::RedOf(first), ui::GreenOf(first), ui::BlueOf(first)};
  const int last_channels[3] = {ui::RedOf(last), ui::GreenOf(last), ui::BlueOf(last)};

  // Fixed point with four decimal places: the steps are rounded once, the accumulators stay
  // exact, so entry i is trunc((F × 10000 − i × step) / 10000) and never leaves [F, L].
  std::int64_t step[3];
  std::int64_t accumulator[3];
  for (int c = 0; c < 3; ++c) {
    double delta = first_channels[c] - last_channels[c];
    step[c] = std::llround(delta * (1.0 / 255.0) * 10000.0);
    accumulator[c] = static_cast<std::int64_t>(first_channels[c]) * 10000;
  }

  std::array<TColor, 256> table;
  table[0] = first;
  for (int i = 1; i <= 254; ++i) {
    std::int32_t channel[3];
    for (int c = 0; c < 3; ++c) {
      accumulator[c] -= step[c];
      channel[c] = static_cast<std::int32_t>(accumulator[c] / 10000);
    }
    table[static_cast<std::size_t>(i)] = Assemble(channel[0], channel[1], channel[2]);
  }
  table[255] = last;
  color_table_ = table;
}

void TGradient::Paint(ui::Canvas& canvas) {
  const bool vertical_bands = direction_ == gdLeftRight;
  const int size = vertical_bands ? Width() : Height();
  const float f = static_cast<float>(static_cast<double>(size) / 255.0);
  const int band = static_cast<int>(static_cast<double>(f) + 1.0);
  int edge = 0;
  for (int i = 0; i <= 255; ++i) {
    canvas.SetBrushColor(color_table_[static_cast<std::size_t>(i)]);
    if (vertical_bands) {
      canvas.FillRect(ui::Rect{edge, 0, edge + band, Height()});
    } else {
      canvas.FillRect(ui::Rect{0, edge, Width(), edge + band});
    }
    // The edge of the band just drawn, not of the next: entries 0 and 1 share a place.
    edge = static_cast<int>(static_cast<double>(i) * static_cast<double>(f));
  }
}

bool TGradient::ApplySetting(const std::string& name, const ui::LayoutValue& value,
                             const ui::HandlerTable& handlers) {
  if (EqualsIgnoreCaseAscii(name, "ColorStart")) {
    SetColorStart(value.Color());
  } else if (EqualsIgnoreCaseAscii(name, "ColorEnd")) {
    SetColorEnd(value.Color());
  } else if (EqualsIgnoreCaseAscii(name, "Direction")) {
    const std::string& word = value.Word();
    if (EqualsIgnoreCaseAscii(word, "gdUpDown")) {
      SetDirection(gdUpDown);
    } else if (EqualsIgnoreCaseAscii(word, "gdLeftRight")) {
      SetDirection(gdLeftRight);
    } else {
      throw ui::ELayoutError("unknown direction '" + word + "'");
    }
  } else if (EqualsIgnoreCaseAscii(name, "Swap")) {
    SetSwap(value.Bool());
  } else {
    return GraphicControl::ApplySetting(name, value, handlers);
  }
  return true;
}

}  // namespace brontel
