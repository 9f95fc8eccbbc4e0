// The four commands of vorn. Each returns the process's exit code (0 success, 1 failure) and
// raises brontel::Exception for a failure that ends it at once.
#pragma once

#include "tools/vorn/console.h"
#include "tools/vorn/options.h"

namespace brontel::vorn {

// Packs options.files into options.archive with options.method and options.key.
int RunCreate(const Options& options, Console& console);
// One line per entry on Out().
int RunList(const Options& options, Console& console);
// Decodes every entry in memory and reports each bad one; writes nothing.
int RunTest(const Options& options, Console& console);
// Expands all entries, or those named, below options.target; prints each path written.
int RunExtract(const Options& options, Console& console);

}  // namespace brontel::vorn
