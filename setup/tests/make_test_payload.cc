// Makes a damaged copy of an archive for the installer's failure tests:
//   setup_make_test_payload <in> <out> <entry> checksum      the entry's checksum plus one
//   setup_make_test_payload <in> <out> <entry> name=<new>    the entry renamed
// Every other byte stays as it was; the archive header's TotalSize still fits, as it sums the
// entries' expanded sizes.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <vector>

#include "archive/archive_format.h"

namespace {

using Bytes = std::vector<unsigned char>;

int Fail(const std::string& why) {
  std::fprintf(stderr, "setup_make_test_payload: %s\n", why.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) return Fail("usage: <in> <out> <entry> checksum|name=<new name>");
  const std::string entry = argv[3];
  const std::string change = argv[4];
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) return Fail(std::string("cannot open ") + argv[1]);
  const Bytes archive((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (archive.size() < brontel::TArchiveHeader::kSize) return Fail("not an archive");

  Bytes out(archive.begin(), archive.begin() + brontel::TArchiveHeader::kSize);
  std::size_t at = brontel::TArchiveHeader::kSize;
  bool found = false;
  while (at + brontel::TFileHeader::kSize <= archive.size()) {
    brontel::TFileHeader header =
        brontel::DecodeFileHeader(std::span<const unsigned char, brontel::TFileHeader::kSize>(
            archive.data() + at, brontel::TFileHeader::kSize));
    at += brontel::TFileHeader::kSize;
    if (header.NameLength < 0 || header.CompressedSize < 0 ||
        at + header.NameLength + header.CompressedSize > archive.size()) {
      return Fail("damaged input");
    }
    std::string name(archive.begin() + at, archive.begin() + at + header.NameLength);
    at += header.NameLength;
    if (name == entry) {
      found = true;
      if (change == "checksum") {
        header.Checksum += 1;
      } else if (change.rfind("name=", 0) == 0) {
        name = change.substr(5);
        header.NameLength = static_cast<std::int16_t>(name.size());
      } else {
        return Fail("unknown change " + change);
      }
    }
    const auto bytes = brontel::EncodeFileHeader(header);
    out.insert(out.end(), bytes.begin(), bytes.end());
    out.insert(out.end(), name.begin(), name.end());
    out.insert(out.end(), archive.begin() + at, archive.begin() + at + header.CompressedSize);
    at += header.CompressedSize;
  }
  if (!found) return Fail("no entry " + entry);
  out.insert(out.end(), archive.begin() + at, archive.end());

  std::ofstream file(argv[2], std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  return file ? 0 : Fail("cannot write");
}
