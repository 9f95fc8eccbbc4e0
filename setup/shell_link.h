// The Start Menu shortcut: a shell link to the installed program in the user's "Programs" folder,
// made through the shell's link object. The module also owns OLE for the program's run.
#pragma once

#include <cstdint>
#include <string>

#include "base/exception.h"
#include "platform/com.h"
#include "platform/shell_link.h"

namespace brontel {

// Every property a shortcut records. The strings are 8-bit ANSI text.
struct TShellLinkInfo {
  std::string Path;
  std::string Arguments;
  std::string Description;
  std::string WorkingDirectory;
  std::string IconLocation;
  std::int32_t IconIndex = 0;
  // Windows show-command numbering.
  std::int32_t ShowCmd = platform::kSW_SHOWNORMAL;
  // The shell's hot-key encoding; 0 = none.
  std::uint16_t Hotkey = 0;
};

// A component-object call failed; the message carries its result code and the last system error.
BRONTEL_DECLARE_EXCEPTION(EShellOleError);

// Module start and stop. The program's start-up registers ShellLinkModuleStop with its exit
// order (which runs steps in reverse order of registration) and then calls ShellLinkModuleStart,
// before any window exists and on the thread that makes shortcuts. Start initialises OLE for the
// calling thread, ignoring the result; stop uninitialises it. Neither raises.
void ShellLinkModuleStart();
void ShellLinkModuleStop();

// Creates "Brontel.lnk" in the user's Programs folder for DestDirSlash + "BRONTEL.EXE": that path
// as target, description and icon file (index 0), no arguments, no hot key, a normal window, and
// the folder of the running executable (with its "\") as working folder. Raises
// ERegistryException (before any file is written) when the Programs folder cannot be read, and
// EShellOleError when a link call fails; the link file may then stay with its first content.
void AddStartMenuShortcut();

// Saves a new link whose target is `name` (and whose description is `description` when not empty)
// as <the shell folder `folder_name`>\<name with extension "lnk">, and returns that path. The
// save's own result is not checked; a failed save shows at the next load. Raises EShellOleError
// and the exceptions of ShellFolderPath.
std::string CreateShellLinkFile(const std::string& name, const std::string& description,
                                const std::string& folder_name);

// Loads the link file `link_file`, resolves it without user interface, sets every field of
// `info` (empty strings included) and saves it in place. Raises EShellOleError when a call
// fails (the save's result is not checked).
void WriteShellLinkInfo(const std::string& link_file, const TShellLinkInfo& info);

// A new link object. Raises EShellOleError when it cannot be created (for instance before
// ShellLinkModuleStart). The holder releases it.
platform::ComPtr<platform::IShellLinkA> NewShellLink();

// Returns when `result` is 0 and raises EShellOleError otherwise, success codes such as 1
// included: "OLE function call failed. HResult is $<result>. GetLastError is $<error>", both in
// capital hexadecimal without leading zeros, the error being errno as it stands at the call.
void CheckShellResult(platform::HResult result);

// A link file path as the persist-file calls take it: UTF-16 in a buffer of 260 wide characters
// with its terminating zero, so a path longer than 259 characters becomes empty.
std::u16string LinkFilePathToWide(const std::string& path);

}  // namespace brontel
