#include "setup/install_state.h"

namespace brontel {

std::string DestDir;
bool BackupReplaced = false;
std::string DestDirSlash;
std::int32_t FileCount = 0;

}  // namespace brontel
