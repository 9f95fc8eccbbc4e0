#include "tools/vorn/tests/lha_member.h"

#include <cstring>

namespace brontel::vorn::testing {

namespace {

void PutLe(std::vector<unsigned char>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

}  // namespace

std::uint16_t LhaCrc16(std::span<const unsigned char> data) {
  std::uint16_t crc = 0;
  for (unsigned char b : data) {
    crc ^= b;
    for (int bit = 0; bit < 8; ++bit) {
      crc = static_cast<std::uint16_t>((crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1);
    }
  }
  return crc;
}

std::vector<unsigned char> LhaArchiveWithLh1Member(const std::string& name,
                                                   std::span<const unsigned char> body,
                                                   std::span<const unsigned char> original) {
  // Level 0: size and sum of the header after its first two bytes, method, sizes, DOS time,
  // attribute, level, name, CRC of the original.
  std::vector<unsigned char> header;
  header.insert(header.end(), {'-', 'l', 'h', '1', '-'});
  PutLe(header, static_cast<std::uint32_t>(body.size()), 4);
  PutLe(header, static_cast<std::uint32_t>(original.size()), 4);
  PutLe(header, 0x58210000, 4);  // 2024-01-01 00:00:00
  header.push_back(0x20);
  header.push_back(0);
  header.push_back(static_cast<unsigned char>(name.size()));
  header.insert(header.end(), name.begin(), name.end());
  PutLe(header, LhaCrc16(original), 2);

  unsigned sum = 0;
  for (unsigned char b : header) sum += b;
  std::vector<unsigned char> archive(2 + header.size() + body.size() + 1, 0);
  archive[0] = static_cast<unsigned char>(header.size());
  archive[1] = static_cast<unsigned char>(sum);
  std::memcpy(archive.data() + 2, header.data(), header.size());
  if (!body.empty()) std::memcpy(archive.data() + 2 + header.size(), body.data(), body.size());
  return archive;  // the last byte, 0, marks the end of the archive
}

}  // namespace brontel::vorn::testing
