// Failures raised by the forms layer itself.
#pragma once

#include "base/exception.h"

namespace brontel::ui {

// An operation a control cannot do in its state, e.g. "Control '%s' has no parent window".
BRONTEL_DECLARE_EXCEPTION(EInvalidOperation);
// A layout text that cannot be read or does not fit its form: the message names the layout,
// the line and the fault.
BRONTEL_DECLARE_EXCEPTION(ELayoutError);

}  // namespace brontel::ui
