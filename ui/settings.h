// Helpers for the controls' layout settings.
#pragma once

#include <string>

#include "base/strings.h"

namespace brontel::ui {

// Setting and word names match without regard to case.
inline bool Is(const std::string& name, const char* expected) {
  return EqualsIgnoreCaseAscii(name, expected);
}

}  // namespace brontel::ui
