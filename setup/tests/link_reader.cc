#include "setup/tests/link_reader.h"

#include <gtest/gtest.h>

#include "platform/com.h"
#include "platform/shell_link.h"

namespace brontel::testing {

TShellLinkInfo ReadLink(const std::string& windows_path) {
  const auto link = NewShellLink();
  platform::ComPtr<platform::IPersistFile> file;
  EXPECT_EQ(link->QueryInterface(platform::kIID_IPersistFile, file.PutVoid()), 0);
  EXPECT_EQ(file->Load(LinkFilePathToWide(windows_path).c_str(), platform::kSTGM_READ), 0);
  TShellLinkInfo info;
  link->GetPath(info.Path);
  link->GetArguments(info.Arguments);
  link->GetDescription(info.Description);
  link->GetWorkingDirectory(info.WorkingDirectory);
  link->GetIconLocation(info.IconLocation, info.IconIndex);
  link->GetShowCmd(info.ShowCmd);
  link->GetHotkey(info.Hotkey);
  return info;
}

}  // namespace brontel::testing
