// The shell's link object: a shortcut to a program, kept in a shell link (.lnk) file. It is
// created through CoCreateInstance (platform/com.h) and used through two interfaces: IShellLinkA
// for the link's properties and IPersistFile for loading and saving the file. Texts are 8-bit
// ANSI (platform/ansi_code_page.h); file names given to IPersistFile are UTF-16; paths are
// Windows paths.
#pragma once

#include <cstdint>
#include <string>

#include "platform/com.h"
#include "platform/file_system.h"

namespace brontel::platform {

inline constexpr Guid kCLSID_ShellLink = {
    0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr Guid kIID_IShellLinkA = {
    0x000214EE, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr Guid kIID_IPersistFile = {
    0x0000010B, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// Show commands (the Windows numbering) that a link file can record.
inline constexpr std::int32_t kSW_SHOWNORMAL = 1;
inline constexpr std::int32_t kSW_SHOWMINIMIZED = 2;
inline constexpr std::int32_t kSW_SHOWMAXIMIZED = 3;
inline constexpr std::int32_t kSW_SHOWMINNOACTIVE = 7;

// Resolve flags.
inline constexpr std::uint32_t kSLR_NO_UI = 0x1;
inline constexpr std::uint32_t kSLR_ANY_MATCH = 0x2;
inline constexpr std::uint32_t kSLR_UPDATE = 0x4;

// Load modes (storage access and sharing).
inline constexpr std::uint32_t kSTGM_READ = 0x0;
inline constexpr std::uint32_t kSTGM_SHARE_DENY_WRITE = 0x20;

// Hot-key modifiers, in the high byte of a hot key; the low byte is the virtual key code.
inline constexpr std::uint16_t kHOTKEYF_SHIFT = 0x01;
inline constexpr std::uint16_t kHOTKEYF_CONTROL = 0x02;
inline constexpr std::uint16_t kHOTKEYF_ALT = 0x04;

// A window handle; links never show a user interface here, so it is only passed along.
using WindowHandle = std::uintptr_t;

// The link's properties. Setters take zero-terminated ANSI texts and fail with kE_INVALIDARG for
// a null text or one longer than a link file can hold (65535 characters); an empty text clears
// the property. Getters fill their arguments and always succeed.
class IShellLinkA : public IUnknown {
 public:
  // The target: a full Windows path ("C:\dir\prog.exe") or a name kept as given.
  virtual HResult SetPath(const char* path) = 0;
  virtual HResult SetArguments(const char* arguments) = 0;
  virtual HResult SetDescription(const char* description) = 0;
  virtual HResult SetWorkingDirectory(const char* directory) = 0;
  virtual HResult SetIconLocation(const char* icon_path, std::int32_t icon_index) = 0;
  // Any value is kept; a file records 3 as maximised, 2, 6, 7 and 11 as minimised, all else as
  // normal.
  virtual HResult SetShowCmd(std::int32_t show_command) = 0;
  // Low byte: virtual key; high byte: kHOTKEYF_* modifiers; 0 = none.
  virtual HResult SetHotkey(std::uint16_t hotkey) = 0;
  // Checks that the link names a target and, with kSLR_UPDATE, refreshes what it records of the
  // target (attributes, size, times) when the target exists. Never shows a user interface; a
  // missing target is not an error. kE_FAIL when the link has no target.
  virtual HResult Resolve(WindowHandle window, std::uint32_t flags) = 0;

  virtual HResult GetPath(std::string& path) = 0;
  virtual HResult GetArguments(std::string& arguments) = 0;
  virtual HResult GetDescription(std::string& description) = 0;
  virtual HResult GetWorkingDirectory(std::string& directory) = 0;
  virtual HResult GetIconLocation(std::string& icon_path, std::int32_t& icon_index) = 0;
  virtual HResult GetShowCmd(std::int32_t& show_command) = 0;
  virtual HResult GetHotkey(std::uint16_t& hotkey) = 0;

 protected:
  ~IShellLinkA() = default;
};

// Loading and saving the object in a file named by a UTF-16 Windows path.
class IPersistFile : public IUnknown {
 public:
  virtual HResult GetClassID(Guid& clsid) = 0;
  // kS_OK when the object changed since it was loaded or saved, kS_FALSE otherwise.
  virtual HResult IsDirty() = 0;
  // Replaces every property by those of the link file `file_name` (zero-terminated). Fails with
  // kE_INVALIDARG for a null or empty name, the Win32 error of the open (file or path not found,
  // access denied) as a result code, or HResultFromWin32(kErrorBadFormat) for a file that is not
  // a well-formed link; the object is unchanged after a failure. The file is only read, whatever
  // `mode` asks for; sharing bits are not enforced.
  virtual HResult Load(const char16_t* file_name, std::uint32_t mode) = 0;
  // Writes the link to `file_name`, replacing the file; a null name means the current file (the
  // last one loaded or remembered). With `remember` the name becomes the current file. Fails with
  // kE_INVALIDARG for an empty name (or null without a current file) and with the Win32 error of
  // the create or write as a result code; nothing is written then.
  virtual HResult Save(const char16_t* file_name, bool remember) = 0;
  virtual HResult SaveCompleted(const char16_t* file_name) = 0;
  // The current file, or kS_FALSE and an empty text when there is none.
  virtual HResult GetCurFile(std::u16string& file_name) = 0;

 protected:
  ~IPersistFile() = default;
};

// Creates a link object doing its file work through `file_system` (not owned; it must outlive
// the object) and stores its interface `iid` in `*object`. CoCreateInstance uses this with
// FileSystem::Default(); tests use it to inject a file system. Needs no OLE initialisation.
HResult CreateShellLinkObject(FileSystem* file_system, const Guid& iid, void** object);

}  // namespace brontel::platform
