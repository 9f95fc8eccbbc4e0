// Invariant: the link reader either refuses a byte string or gives a link that the writer turns
// into a file the reader accepts again with exactly the same fields. The one loss allowed is a
// target naming a drive that holds a NUL (read from a counted relative path): the LinkInfo keeps
// paths NUL-terminated, so it comes back cut at the NUL. The reader never crashes and never reads
// outside the bytes it is given.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/posix/shell_link_file.h"

namespace {

using brontel::platform::DecodeShellLink;
using brontel::platform::EncodeShellLink;
using brontel::platform::IsDrivePath;
using brontel::platform::kMaxLinkString;
using brontel::platform::ShellLinkData;

// The writer counts every string in 16 bits except a drive target, which goes to the LinkInfo.
bool Writable(const ShellLinkData& link) {
  const std::size_t target_limit = IsDrivePath(link.target) ? SIZE_MAX : kMaxLinkString;
  return link.target.size() <= target_limit && link.description.size() <= kMaxLinkString &&
         link.working_directory.size() <= kMaxLinkString &&
         link.arguments.size() <= kMaxLinkString && link.icon_location.size() <= kMaxLinkString;
}

ShellLinkData AsWritten(ShellLinkData link) {
  if (IsDrivePath(link.target)) link.target = link.target.substr(0, link.target.find('\0'));
  return link;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // An exact-size copy, so any read past the end lands outside the allocation.
  const std::vector<std::uint8_t> bytes(data, data + size);
  const std::optional<ShellLinkData> first = DecodeShellLink(bytes);
  if (!first) return 0;
  if (!Writable(*first)) return 0;

  const std::vector<std::uint8_t> written = EncodeShellLink(*first);
  const std::optional<ShellLinkData> second = DecodeShellLink(written);
  if (!second) std::abort();
  if (*second != AsWritten(*first)) std::abort();
  return 0;
}
