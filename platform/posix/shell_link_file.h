// The shell link (.lnk) binary file: a fixed header, an optional LinkInfo naming the target on
// its volume, counted strings and extra-data blocks, all little-endian. Files written here have
// no item-id list (the target is named by the LinkInfo alone) and keep their strings in the
// system's 8-bit code page; files whose strings are UTF-16 are read too, their characters outside
// the code page becoming "?".
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace brontel::platform {

// What a link records. Strings are 8-bit text; times are FILETIMEs (100 ns since 1601, UTC).
struct ShellLinkData {
  // A full Windows path ("C:\dir\file") goes to the LinkInfo; anything else is kept as the
  // relative path.
  std::string target;
  std::string description;
  std::string working_directory;
  std::string arguments;
  std::string icon_location;
  std::int32_t icon_index = 0;
  std::int32_t show_command = 1;
  std::uint16_t hotkey = 0;
  // Of the target, as last seen; zero when it was never found.
  std::uint32_t file_attributes = 0;
  std::uint64_t creation_time = 0;
  std::uint64_t access_time = 0;
  std::uint64_t write_time = 0;
  std::uint32_t file_size = 0;

  friend bool operator==(const ShellLinkData&, const ShellLinkData&) = default;
};

// The longest string a link file can count (its counts are 16-bit).
inline constexpr std::size_t kMaxLinkString = 0xFFFF;

// True when `path` is a full Windows path on a drive ("C:\..."), which a LinkInfo can name.
bool IsDrivePath(const std::string& path);

// The show command that a file records for `show_command`: only normal, maximised and minimised
// without activation have a place there.
std::int32_t RecordedShowCommand(std::int32_t show_command);

// The file's bytes. REQUIRES: every string at most kMaxLinkString bytes.
std::vector<std::uint8_t> EncodeShellLink(const ShellLinkData& link);

// Parses a link file. Returns nullopt for anything that is not a well-formed link (wrong header
// or class, a size or offset outside the data, an unterminated string); never reads outside
// `bytes`. The target comes from the LinkInfo when it names one, else from the relative path.
std::optional<ShellLinkData> DecodeShellLink(std::span<const std::uint8_t> bytes);

}  // namespace brontel::platform
