// The backdrop: a windowless control that fills its area with a two-colour gradient of 256
// solid bands. The band colours are computed whenever a property is assigned; painting only
// fills one rectangle per band.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "gradient/color_scheme.h"
#include "ui/graphic_control.h"

namespace brontel {

// gdUpDown: horizontal bands from the top edge down; gdLeftRight: vertical bands from the
// left edge. Any other value paints as gdUpDown.
enum TGradDirection : std::uint8_t { gdUpDown = 0, gdLeftRight = 1 };

class TGradient : public ui::GraphicControl {
 public:
  // Fills its parent's client area (alignment kClient); black to blue, gdUpDown, no swap.
  // Paints nothing and reads no registry.
  explicit TGradient(ui::Form* owner);

  std::string ClassName() const override { return "TGradient"; }

  // Each setter stores the value (even the current one), rebuilds the table and paints at
  // once. Raises what BuildColorTable raises (the value stays, the table and screen keep their
  // previous state) and, after rebuilding, EInvalidOperation "Control '<name>' has no parent
  // window" when the control is in no form or panel.
  TColor ColorStart() const { return color_start_; }
  void SetColorStart(TColor color);
  TColor ColorEnd() const { return color_end_; }
  void SetColorEnd(TColor color);
  TGradDirection Direction() const { return direction_; }
  void SetDirection(TGradDirection direction);
  bool Swap() const { return swap_; }
  void SetSwap(bool swap);

  // Recomputes the 256 band colours from the four properties: entry 0 the first colour, 255
  // the last, those between by fixed-point steps per channel. Raises ResolveColor's failures
  // before the table is touched.
  void BuildColorTable();
  const std::array<TColor, 256>& ColorTable() const { return color_table_; }

  // 256 bands, each trunc(S / 255 + 1) thick (S the height, or for gdLeftRight the width);
  // band i starts where trunc((i - 1) × S / 255) lies, so each band covers its neighbour's
  // overlap and the first colour is always covered by entry 1.
  void Paint(ui::Canvas& canvas) override;

  bool ApplySetting(const std::string& name, const ui::LayoutValue& value,
                    const ui::HandlerTable& handlers) override;

 private:
  void Assigned();

  TColor color_start_;
  TColor color_end_;
  TGradDirection direction_;
  bool swap_;
  std::array<TColor, 256> color_table_{};
};

}  // namespace brontel
