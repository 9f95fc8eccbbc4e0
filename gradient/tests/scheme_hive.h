// A colour scheme of a test's own: user.reg in a private Wine prefix.
#pragma once

#include <fstream>
#include <string>

#include "platform/testing/temp_drive_map.h"

namespace brontel {

// Writes the prefix's user.reg with the key "Control Panel\Colors" holding `values`, which are
// lines in the file's own form ("\"ButtonFace\"=\"212 208 200\"").
inline void WriteColorScheme(const platform::testing::TempDriveMap& map,
                             const std::string& values) {
  std::ofstream out(map.Root() + "/user.reg", std::ios::binary);
  out << "WINE REGISTRY Version 2\n\n[Control Panel\\\\Colors] 1700000000\n" << values << "\n";
}

}  // namespace brontel
