#include "archive/entry_checks.h"

#include <limits>
#include <string_view>

#include "archive/archive_exceptions.h"

namespace brontel {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Windows drops trailing blanks and dots of a component, so "..", "... " and ". ." may all lead
// to the parent: a component of dots and blanks only is the folder itself with at most one dot
// and the parent with more.
enum class Step { kName, kStay, kUp };

Step Classify(std::string_view component) {
  int dots = 0;
  for (char c : component) {
    if (c == '.') {
      ++dots;
    } else if (c != ' ') {
      return Step::kName;
    }
  }
  return dots >= 2 ? Step::kUp : Step::kStay;
}

}  // namespace

bool EntryNameStaysInside(const std::string& name) {
  if (name.size() >= 2 && name[1] == ':') return false;
  int depth = 0;
  std::size_t start = 0;
  while (start <= name.size()) {
    std::size_t end = start;
    while (end < name.size() && !IsSeparator(name[end])) ++end;
    switch (Classify(std::string_view(name).substr(start, end - start))) {
      case Step::kName:
        ++depth;
        break;
      case Step::kUp:
        if (--depth < 0) return false;
        break;
      case Step::kStay:
        break;
    }
    start = end + 1;
  }
  return true;
}

void CheckEntryName(const std::string& name) {
  if (!EntryNameStaysInside(name)) {
    throw EUnsafeEntryName("Entry name leaves the target folder: \"" + name + "\"");
  }
}

void CheckEntryExtent(const TFileHeader& header, const std::string& name,
                      std::int64_t header_position) {
  if (header.CompressedSize < 0) {
    throw ECorruptArchive("Corrupt archive: entry \"" + name +
                          "\" has a negative compressed size (" +
                          std::to_string(header.CompressedSize) + ")");
  }
  if (header_position > std::numeric_limits<std::int32_t>::max()) {
    throw ECorruptArchive("Corrupt archive: entry \"" + name + "\" lies beyond offset 2147483647");
  }
}

}  // namespace brontel
