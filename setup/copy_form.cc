#include "setup/copy_form.h"

#include <algorithm>

#include "setup/install_state.h"
#include "ui/class_registry.h"
#include "ui/handler_table.h"

namespace brontel {

TfrmCopy* frmCopy = nullptr;

TfrmCopy::TfrmCopy(ui::Application& app) : ui::Form(app, "TfrmCopy", "COPY") {}

void TfrmCopy::AddClasses(ui::ClassRegistry& classes) { classes.Add<VondralComponent>("TVondral"); }

void TfrmCopy::PublishHandlers(ui::HandlerTable& handlers) {
  using ui::Component;
  handlers.Add<ui::NotifyEvent>("btnCopyCancelClick",
                                [this](Component& s) { btnCopyCancelClick(s); });
  handlers.Add<ShowProgressEvent>(
      "Vondral1ShowProgress",
      [this](Component& s, std::int32_t& percentage) { Vondral1ShowProgress(s, percentage); });
}

void TfrmCopy::BindComponents() {
  Panel3 = &Get<ui::Panel>("Panel3");
  Gauge1 = &Get<ui::Gauge>("Gauge1");
  Label1 = &Get<ui::Label>("Label1");
  Label2 = &Get<ui::Label>("Label2");
  btnCopyCancel = &Get<ui::Button>("btnCopyCancel");
  Vondral1 = &Get<VondralComponent>("Vondral1");
}

void TfrmCopy::Vondral1ShowProgress(ui::Component&, std::int32_t& PercentageDone) {
  // Each call carries the percentage of the current body so far, not an increment: adding it
  // up would fill the gauge within the first file.
  const std::int64_t body = std::clamp<std::int32_t>(PercentageDone, 0, 100);
  RaiseGauge(std::int64_t{current_entry_} * 100 + body);
}

void TfrmCopy::EntryDone(std::int32_t index) { RaiseGauge((std::int64_t{index} + 1) * 100); }

void TfrmCopy::RaiseGauge(std::int64_t done_hundredths) {
  if (FileCount <= 0) return;
  const std::int64_t value = done_hundredths / FileCount;
  if (value > Gauge1->Progress()) {
    Gauge1->SetProgress(static_cast<int>(std::min<std::int64_t>(value, 100)));
  }
}

void TfrmCopy::btnCopyCancelClick(ui::Component&) { Close(); }

}  // namespace brontel
