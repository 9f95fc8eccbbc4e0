// Whether the process's standard error is a terminal (so a progress line may be drawn there).
#pragma once

namespace brontel::vorn {

bool StderrIsTerminal();

}  // namespace brontel::vorn
