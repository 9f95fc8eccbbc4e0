#include "platform/posix/shell_link_file.h"

#include <algorithm>
#include <string_view>

#include "platform/ansi_code_page.h"
#include "platform/shell_link.h"

namespace brontel::platform {

namespace {

constexpr std::uint32_t kHeaderSize = 0x4C;
// The link class identifier as its bytes appear in a file.
constexpr std::uint8_t kLinkClsid[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                         0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

// Link flags.
constexpr std::uint32_t kHasLinkTargetIdList = 0x01;
constexpr std::uint32_t kHasLinkInfo = 0x02;
constexpr std::uint32_t kHasName = 0x04;
constexpr std::uint32_t kHasRelativePath = 0x08;
constexpr std::uint32_t kHasWorkingDir = 0x10;
constexpr std::uint32_t kHasArguments = 0x20;
constexpr std::uint32_t kHasIconLocation = 0x40;
constexpr std::uint32_t kIsUnicode = 0x80;
constexpr std::uint32_t kForceNoLinkInfo = 0x100;

// LinkInfo flags and sizes.
constexpr std::uint32_t kVolumeIdAndLocalBasePath = 0x1;
constexpr std::uint32_t kCommonNetworkRelativeLinkAndPathSuffix = 0x2;
constexpr std::uint32_t kLinkInfoHeaderSize = 0x1C;
constexpr std::uint32_t kLinkInfoHeaderSizeUnicode = 0x24;
constexpr std::uint32_t kVolumeIdHeaderSize = 0x10;
constexpr std::uint32_t kDriveFixed = 3;
constexpr std::uint32_t kNetworkLinkMinSize = 0x14;

class Writer {
 public:
  void U16(std::uint16_t v) {
    bytes_.push_back(static_cast<std::uint8_t>(v));
    bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
  }
  void U32(std::uint32_t v) {
    U16(static_cast<std::uint16_t>(v));
    U16(static_cast<std::uint16_t>(v >> 16));
  }
  void U64(std::uint64_t v) {
    U32(static_cast<std::uint32_t>(v));
    U32(static_cast<std::uint32_t>(v >> 32));
  }
  void Bytes(const void* data, std::size_t size) {
    const auto* p = static_cast<const std::uint8_t*>(data);
    bytes_.insert(bytes_.end(), p, p + size);
  }
  void ZString(std::string_view text) {
    Bytes(text.data(), text.size());
    bytes_.push_back(0);
  }
  void CountedString(std::string_view text) {
    U16(static_cast<std::uint16_t>(text.size()));
    Bytes(text.data(), text.size());
  }
  std::size_t Size() const { return bytes_.size(); }
  std::vector<std::uint8_t>& Out() { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

// A LinkInfo naming a local target: a fixed-drive VolumeID without a label, the whole path as the
// local base path and an empty common suffix.
void WriteLinkInfo(Writer& w, const std::string& path) {
  const std::uint32_t volume_id_size = kVolumeIdHeaderSize + 1;
  const std::uint32_t volume_id_offset = kLinkInfoHeaderSize;
  const std::uint32_t base_offset = volume_id_offset + volume_id_size;
  const std::uint32_t suffix_offset = base_offset + static_cast<std::uint32_t>(path.size()) + 1;
  w.U32(suffix_offset + 1);  // size
  w.U32(kLinkInfoHeaderSize);
  w.U32(kVolumeIdAndLocalBasePath);
  w.U32(volume_id_offset);
  w.U32(base_offset);
  w.U32(0);  // no network link
  w.U32(suffix_offset);
  w.U32(volume_id_size);
  w.U32(kDriveFixed);
  w.U32(0);  // serial number
  w.U32(kVolumeIdHeaderSize);
  w.ZString("");  // volume label
  w.ZString(path);
  w.ZString("");  // common path suffix
}

// Bounds-checked little-endian reading over a span; every read reports failure instead of
// leaving the span.
class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::size_t Position() const { return pos_; }
  std::size_t Remaining() const { return bytes_.size() - pos_; }
  bool Skip(std::size_t count) {
    if (count > Remaining()) return false;
    pos_ += count;
    return true;
  }
  bool U16(std::uint16_t& v) {
    if (Remaining() < 2) return false;
    v = static_cast<std::uint16_t>(bytes_[pos_] | (bytes_[pos_ + 1] << 8));
    pos_ += 2;
    return true;
  }
  bool U32(std::uint32_t& v) {
    std::uint16_t lo = 0;
    std::uint16_t hi = 0;
    if (Remaining() < 4) return false;
    U16(lo);
    U16(hi);
    v = lo | (static_cast<std::uint32_t>(hi) << 16);
    return true;
  }
  bool U64(std::uint64_t& v) {
    std::uint32_t lo = 0;
    std::uint32_t hi = 0;
    if (Remaining() < 8) return false;
    U32(lo);
    U32(hi);
    v = lo | (static_cast<std::uint64_t>(hi) << 32);
    return true;
  }
  bool CountedString(bool unicode, std::string& out) {
    std::uint16_t count = 0;
    if (!U16(count)) return false;
    const std::size_t size = unicode ? 2 * std::size_t{count} : count;
    if (size > Remaining()) return false;
    const auto* p = bytes_.data() + pos_;
    if (unicode) {
      std::u16string wide(count, u'\0');
      for (std::size_t i = 0; i < count; ++i) {
        wide[i] = static_cast<char16_t>(p[2 * i] | (p[2 * i + 1] << 8));
      }
      out = Utf16ToAnsi(wide);
    } else {
      out.assign(reinterpret_cast<const char*>(p), size);
    }
    pos_ += size;
    return true;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};

std::uint32_t LoadU32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) |
         (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

// A NUL-terminated 8-bit string at `offset` of `block`; false when it runs off the block.
bool ZStringAt(std::span<const std::uint8_t> block, std::uint32_t offset, std::string& out) {
  if (offset >= block.size()) return false;
  for (std::size_t i = offset; i < block.size(); ++i) {
    if (block[i] == 0) {
      out.assign(reinterpret_cast<const char*>(block.data() + offset), i - offset);
      return true;
    }
  }
  return false;
}

// A NUL-terminated UTF-16 string at `offset` of `block`, as 8-bit text.
bool ZString16At(std::span<const std::uint8_t> block, std::uint32_t offset, std::string& out) {
  std::u16string wide;
  for (std::size_t i = offset; i + 1 < block.size(); i += 2) {
    const auto c = static_cast<char16_t>(block[i] | (block[i + 1] << 8));
    if (c == 0) {
      out = Utf16ToAnsi(wide);
      return true;
    }
    wide.push_back(c);
  }
  return false;
}

// Checks an item-id list (the shell's own naming of the target, which is not interpreted here):
// items of at least two bytes each, closed by an empty item exactly at its end.
bool ValidIdList(std::span<const std::uint8_t> list) {
  std::size_t at = 0;
  while (true) {
    if (list.size() - at < 2) return false;
    const std::size_t item = list[at] | (list[at + 1] << 8);
    if (item == 0) return at + 2 == list.size();
    if (item < 2 || item > list.size() - at) return false;
    at += item;
  }
}

// Parses a LinkInfo and gives the target it names ("" when it names none).
bool ParseLinkInfo(std::span<const std::uint8_t> block, std::string& target) {
  if (block.size() < kLinkInfoHeaderSize) return false;
  const std::uint32_t header = LoadU32(block, 4);
  if (header != kLinkInfoHeaderSize && header < kLinkInfoHeaderSizeUnicode) return false;
  if (header > block.size()) return false;
  const std::uint32_t flags = LoadU32(block, 8);
  const std::uint32_t volume_id_offset = LoadU32(block, 12);
  const std::uint32_t base_offset = LoadU32(block, 16);
  const std::uint32_t network_offset = LoadU32(block, 20);
  const std::uint32_t suffix_offset = LoadU32(block, 24);
  const bool has_unicode = header >= kLinkInfoHeaderSizeUnicode;
  const std::uint32_t base_offset_unicode = has_unicode ? LoadU32(block, 28) : 0;
  const std::uint32_t suffix_offset_unicode = has_unicode ? LoadU32(block, 32) : 0;

  std::string suffix;
  if (suffix_offset != 0 && !ZStringAt(block, suffix_offset, suffix)) return false;
  if (suffix_offset_unicode != 0 && !ZString16At(block, suffix_offset_unicode, suffix)) {
    return false;
  }

  std::string base;
  if (flags & kVolumeIdAndLocalBasePath) {
    if (volume_id_offset > block.size() || block.size() - volume_id_offset < 4) return false;
    const std::uint32_t volume_id_size = LoadU32(block, volume_id_offset);
    if (volume_id_size <= kVolumeIdHeaderSize || volume_id_size > block.size() - volume_id_offset) {
      return false;
    }
    if (!ZStringAt(block, base_offset, base)) return false;
    if (base_offset_unicode != 0 && !ZString16At(block, base_offset_unicode, base)) return false;
  } else if (flags & kCommonNetworkRelativeLinkAndPathSuffix) {
    if (network_offset > block.size() || block.size() - network_offset < kNetworkLinkMinSize) {
      return false;
    }
    const auto network = block.subspan(network_offset);
    const std::uint32_t network_size = LoadU32(network, 0);
    if (network_size < kNetworkLinkMinSize || network_size > network.size()) return false;
    if (!ZStringAt(network.first(network_size), LoadU32(network, 8), base)) return false;
    if (!suffix.empty() && !base.empty() && base.back() != '\\') base.push_back('\\');
  }
  target = base.empty() ? std::string() : base + suffix;
  return true;
}

}  // namespace

bool IsDrivePath(const std::string& path) {
  return path.size() >= 3 &&
         ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z')) &&
         path[1] == ':' && path[2] == '\\';
}

std::int32_t RecordedShowCommand(std::int32_t show_command) {
  switch (show_command) {
    case kSW_SHOWMAXIMIZED:
      return kSW_SHOWMAXIMIZED;
    case kSW_SHOWMINIMIZED:
    case 6:  // minimise
    case kSW_SHOWMINNOACTIVE:
    case 11:  // minimise by force
      return kSW_SHOWMINNOACTIVE;
    default:
      return kSW_SHOWNORMAL;
  }
}

std::vector<std::uint8_t> EncodeShellLink(const ShellLinkData& link) {
  const bool drive_target = IsDrivePath(link.target);
  const std::string relative = drive_target ? std::string() : link.target;
  // Strings stay in the system's 8-bit code page, as the format's readers expect by default.
  std::uint32_t flags = 0;
  if (drive_target) flags |= kHasLinkInfo;
  if (!link.description.empty()) flags |= kHasName;
  if (!relative.empty()) flags |= kHasRelativePath;
  if (!link.working_directory.empty()) flags |= kHasWorkingDir;
  if (!link.arguments.empty()) flags |= kHasArguments;
  if (!link.icon_location.empty()) flags |= kHasIconLocation;

  Writer w;
  w.U32(kHeaderSize);
  w.Bytes(kLinkClsid, sizeof kLinkClsid);
  w.U32(flags);
  w.U32(link.file_attributes);
  w.U64(link.creation_time);
  w.U64(link.access_time);
  w.U64(link.write_time);
  w.U32(link.file_size);
  w.U32(static_cast<std::uint32_t>(link.icon_index));
  w.U32(static_cast<std::uint32_t>(RecordedShowCommand(link.show_command)));
  w.U16(link.hotkey);
  w.U16(0);
  w.U32(0);
  w.U32(0);
  // The local base path ends at its first NUL, so nothing after one is written.
  if (flags & kHasLinkInfo) WriteLinkInfo(w, link.target.substr(0, link.target.find('\0')));
  if (flags & kHasName) w.CountedString(link.description);
  if (flags & kHasRelativePath) w.CountedString(relative);
  if (flags & kHasWorkingDir) w.CountedString(link.working_directory);
  if (flags & kHasArguments) w.CountedString(link.arguments);
  if (flags & kHasIconLocation) w.CountedString(link.icon_location);
  w.U32(0);  // terminal extra-data block
  return std::move(w.Out());
}

std::optional<ShellLinkData> DecodeShellLink(std::span<const std::uint8_t> bytes) {
  Reader r(bytes);
  ShellLinkData link;
  std::uint32_t header = 0;
  if (!r.U32(header) || header != kHeaderSize || bytes.size() < kHeaderSize) return std::nullopt;
  if (!std::equal(std::begin(kLinkClsid), std::end(kLinkClsid), bytes.begin() + 4)) {
    return std::nullopt;
  }
  r.Skip(sizeof kLinkClsid);
  std::uint32_t flags = 0;
  std::uint32_t icon_index = 0;
  std::uint32_t show_command = 0;
  r.U32(flags);
  r.U32(link.file_attributes);
  r.U64(link.creation_time);
  r.U64(link.access_time);
  r.U64(link.write_time);
  r.U32(link.file_size);
  r.U32(icon_index);
  r.U32(show_command);
  r.U16(link.hotkey);
  r.Skip(10);  // reserved
  link.icon_index = static_cast<std::int32_t>(icon_index);
  // A reader takes every value it does not know as normal.
  link.show_command = (show_command == kSW_SHOWMAXIMIZED || show_command == kSW_SHOWMINNOACTIVE)
                          ? static_cast<std::int32_t>(show_command)
                          : kSW_SHOWNORMAL;
  const bool unicode = flags & kIsUnicode;

  if (flags & kHasLinkTargetIdList) {
    std::uint16_t size = 0;
    if (!r.U16(size) || size > r.Remaining()) return std::nullopt;
    if (!ValidIdList(bytes.subspan(r.Position(), size))) return std::nullopt;
    r.Skip(size);
  }
  std::string info_target;
  if (flags & kHasLinkInfo) {
    if (r.Remaining() < 4) return std::nullopt;
    const std::uint32_t size = LoadU32(bytes, r.Position());
    if (size < kLinkInfoHeaderSize || size > r.Remaining()) return std::nullopt;
    if (!ParseLinkInfo(bytes.subspan(r.Position(), size), info_target)) return std::nullopt;
    r.Skip(size);
    if (flags & kForceNoLinkInfo) info_target.clear();
  }
  std::string relative;
  if ((flags & kHasName) && !r.CountedString(unicode, link.description)) return std::nullopt;
  if ((flags & kHasRelativePath) && !r.CountedString(unicode, relative)) return std::nullopt;
  if ((flags & kHasWorkingDir) && !r.CountedString(unicode, link.working_directory)) {
    return std::nullopt;
  }
  if ((flags & kHasArguments) && !r.CountedString(unicode, link.arguments)) return std::nullopt;
  if ((flags & kHasIconLocation) && !r.CountedString(unicode, link.icon_location)) {
    return std::nullopt;
  }
  // Extra-data blocks are not interpreted, only checked to lie inside the file; a file may end
  // without the terminal block.
  while (r.Remaining() > 0) {
    std::uint32_t size = 0;
    if (!r.U32(size)) return std::nullopt;
    if (size < 4) break;
    if (size < 8 || size - 4 > r.Remaining()) return std::nullopt;
    r.Skip(size - 4);
  }
  link.target = info_target.empty() ? relative : info_target;
  return link;
}

}  // namespace brontel::platform
