// The extraction dialog: a small borderless window on top of all others, centred on the screen,
// that shows the file being unpacked and a gauge of the whole payload's progress. Its layout is
// the resource LAYOUT "COPY"; ExtractPayload (setup/extract_payload.h) does the unpacking.
#pragma once

#include <cstdint>

#include "setup/vondral_component.h"
#include "ui/button.h"
#include "ui/form.h"
#include "ui/gauge.h"
#include "ui/label.h"
#include "ui/panel.h"

namespace brontel {

class TfrmCopy : public ui::Form {
 public:
  explicit TfrmCopy(ui::Application& app);

  // The components, found after the layout has been applied; owned by the form.
  ui::Panel* Panel3 = nullptr;
  ui::Gauge* Gauge1 = nullptr;
  ui::Label* Label1 = nullptr;
  ui::Label* Label2 = nullptr;
  ui::Button* btnCopyCancel = nullptr;
  VondralComponent* Vondral1 = nullptr;

  // Vondral1's progress while entry `CurrentEntry()` is decoded: the gauge shows the share of
  // the whole payload done, each of the FileCount entries counting for an equal part, the
  // current one by its PercentageDone (held within 0..100). The gauge never goes back. Leaves
  // PercentageDone as it is, so the decoding always goes on.
  void Vondral1ShowProgress(ui::Component& sender, std::int32_t& PercentageDone);
  // Closes the dialog, which only hides it; an extraction under way goes on.
  void btnCopyCancelClick(ui::Component& sender);

  // The driver tells which entry (0-based, of FileCount) is being worked on...
  void BeginEntry(std::int32_t index) { current_entry_ = index; }
  std::int32_t CurrentEntry() const { return current_entry_; }
  // ...and when it is finished, expanded or kept: the gauge then counts it whole, so entries
  // that report no progress (stored bodies, a kept file) still move it, and the last one
  // brings it to 100.
  void EntryDone(std::int32_t index);

 protected:
  void AddClasses(ui::ClassRegistry& classes) override;
  void PublishHandlers(ui::HandlerTable& handlers) override;
  void BindComponents() override;

 private:
  // Sets the gauge to `done_hundredths` / FileCount when that is higher than it shows.
  void RaiseGauge(std::int64_t done_hundredths);

  std::int32_t current_entry_ = 0;
};

// The extraction dialog while the installation sequence has it; null before and after.
extern TfrmCopy* frmCopy;

}  // namespace brontel
