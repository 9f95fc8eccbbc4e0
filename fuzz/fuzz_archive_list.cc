// Invariant: listing any byte string either ends normally or raises a brontel::Exception (a
// header error or a corrupt entry); it never crashes, never loops, and every entry it lists lies
// inside the stream, after the archive header, in strictly increasing order of position, with
// its name read whole. Listing the same bytes twice gives the same entries.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "archive/vondral.h"
#include "base/exception.h"
#include "base/memory_stream.h"

namespace {

struct Listing {
  std::vector<std::string> names;
  std::vector<std::int32_t> positions;
  bool raised = false;
};

Listing List(const std::uint8_t* data, std::size_t size, bool accept_every_id) {
  brontel::TVondral vondral;
  if (accept_every_id) {
    vondral.OnExpand = [](brontel::Stream&, brontel::Stream&, std::int32_t, std::int32_t,
                          const std::string&, std::int32_t&) {};
    vondral.OnRecognize = [](const std::string&, bool& recognized) { recognized = true; };
  }
  brontel::MemoryStream stream(data, static_cast<std::int64_t>(size));
  brontel::TStringList files;
  Listing listing;
  try {
    vondral.ScanCompressedStream(stream, files);
  } catch (const brontel::Exception&) {
    listing.raised = true;
  }
  for (int i = 0; i < files.Count(); ++i) {
    const auto* info = dynamic_cast<const brontel::TVondralFileInfo*>(files.Objects(i));
    if (info == nullptr) std::abort();
    listing.names.push_back(files.Strings(i));
    listing.positions.push_back(info->HeaderPosition);
    if (info->CompressedSize < 0) std::abort();
  }
  return listing;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  for (const bool accept_every_id : {false, true}) {
    const Listing first = List(data, size, accept_every_id);
    std::int64_t previous = -1;
    for (std::size_t i = 0; i < first.names.size(); ++i) {
      const std::int64_t at = first.positions[i];
      if (at < 21 || at <= previous) std::abort();
      if (at + 25 + static_cast<std::int64_t>(first.names[i].size()) >
          static_cast<std::int64_t>(size)) {
        std::abort();
      }
      previous = at;
    }
    const Listing second = List(data, size, accept_every_id);
    if (second.names != first.names || second.positions != first.positions ||
        second.raised != first.raised) {
      std::abort();
    }
  }
  return 0;
}
