// The archive component as a part of a form: a TVondral that a layout creates by the class name
// "TVondral", with its settings and its progress event given by the layout.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "archive/vondral.h"
#include "ui/component.h"

namespace brontel {

// The progress event as a form publishes it: the component that reports, and the percentage of
// the body being decoded (the handler may lower it to 0 or below to ask the decoder to stop).
using ShowProgressEvent = std::function<void(ui::Component& sender, std::int32_t& PercentageDone)>;

class VondralComponent : public ui::Component, public TVondral {
 public:
  // `owner` (not null) must be a form of a living application: the component does its file work
  // through that application's file system, which must outlive it.
  explicit VondralComponent(ui::Form* owner);

  std::string ClassName() const override { return "TVondral"; }

  // MakeDirectories and ExceptionOnFileError (true/false), Key (a number), and OnShowProgress (a
  // ShowProgressEvent handler of the form). Raises ELayoutError for a value that does not fit.
  bool ApplySetting(const std::string& name, const ui::LayoutValue& value,
                    const ui::HandlerTable& handlers) override;
};

}  // namespace brontel
