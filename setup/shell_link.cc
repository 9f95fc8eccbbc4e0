#include "setup/shell_link.h"

#include <cerrno>

#include "base/strings.h"
#include "platform/ansi_code_page.h"
#include "platform/process.h"
#include "setup/install_state.h"
#include "setup/replace_extension.h"
#include "setup/shell_folder.h"

namespace brontel {

namespace {

constexpr std::size_t kMaxPath = 260;
constexpr std::uint32_t kResolveFlags =
    platform::kSLR_NO_UI | platform::kSLR_ANY_MATCH | platform::kSLR_UPDATE;
constexpr std::uint32_t kLoadMode = platform::kSTGM_READ | platform::kSTGM_SHARE_DENY_WRITE;

// Everything of `path` up to and including its last "\" or ":".
std::string FolderOf(const std::string& path) {
  const auto separator = path.find_last_of("\\:");
  return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

platform::ComPtr<platform::IPersistFile> PersistFileOf(platform::IShellLinkA& link) {
  platform::ComPtr<platform::IPersistFile> file;
  CheckShellResult(link.QueryInterface(platform::kIID_IPersistFile, file.PutVoid()));
  return file;
}

}  // namespace

void ShellLinkModuleStart() { platform::OleInitialize(nullptr); }

void ShellLinkModuleStop() { platform::OleUninitialize(); }

void CheckShellResult(platform::HResult result) {
  if (result == 0) return;
  const int last_error = errno;
  std::string message = "OLE function call failed. HResult is $";
  message += HexUpper(static_cast<std::uint32_t>(result));
  message += ". GetLastError is $";
  message += HexUpper(static_cast<std::uint32_t>(last_error));
  throw EShellOleError(message);
}

std::u16string LinkFilePathToWide(const std::string& path) {
  std::u16string wide = platform::AnsiToUtf16(path);
  if (wide.size() >= kMaxPath) wide.clear();
  return wide;
}

platform::ComPtr<platform::IShellLinkA> NewShellLink() {
  platform::ComPtr<platform::IShellLinkA> link;
  CheckShellResult(platform::CoCreateInstance(platform::kCLSID_ShellLink, nullptr,
                                              platform::kCLSCTX_INPROC_SERVER,
                                              platform::kIID_IShellLinkA, link.PutVoid()));
  return link;
}

std::string CreateShellLinkFile(const std::string& name, const std::string& description,
                                const std::string& folder_name) {
  // Declared in this order so the file interface is released before the link, on every path.
  const auto link = NewShellLink();
  const auto file = PersistFileOf(*link);
  CheckShellResult(link->SetPath(name.c_str()));
  if (!description.empty()) CheckShellResult(link->SetDescription(description.c_str()));
  const std::string link_file =
      ShellFolderPath(folder_name) + "\\" + ReplaceExtension(name, "lnk", false);
  file->Save(LinkFilePathToWide(link_file).c_str(), true);
  return link_file;
}

void WriteShellLinkInfo(const std::string& link_file, const TShellLinkInfo& info) {
  const auto link = NewShellLink();
  const auto file = PersistFileOf(*link);
  const std::u16string wide = LinkFilePathToWide(link_file);
  CheckShellResult(file->Load(wide.c_str(), kLoadMode));
  CheckShellResult(link->Resolve(0, kResolveFlags));
  CheckShellResult(link->SetPath(info.Path.c_str()));
  CheckShellResult(link->SetArguments(info.Arguments.c_str()));
  CheckShellResult(link->SetDescription(info.Description.c_str()));
  CheckShellResult(link->SetWorkingDirectory(info.WorkingDirectory.c_str()));
  CheckShellResult(link->SetIconLocation(info.IconLocation.c_str(), info.IconIndex));
  CheckShellResult(link->SetShowCmd(info.ShowCmd));
  CheckShellResult(link->SetHotkey(info.Hotkey));
  file->Save(wide.c_str(), true);
}

void AddStartMenuShortcut() {
  TShellLinkInfo info;
  info.Path = DestDirSlash + "BRONTEL.EXE";
  info.Arguments = "";
  info.Description = info.Path;
  info.WorkingDirectory = FolderOf(platform::Process::Default()->ExecutablePath());
  info.IconLocation = info.Path;
  info.IconIndex = 0;
  info.ShowCmd = platform::kSW_SHOWNORMAL;
  info.Hotkey = 0;
  const std::string link_file = CreateShellLinkFile("Brontel", "", "Programs");
  WriteShellLinkInfo(link_file, info);
}

}  // namespace brontel
