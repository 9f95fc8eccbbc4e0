// Wraps an LZH body as the single -lh1- member of an LHA archive with a level-0 header, so an
// independent LHA decoder can check the bit stream the encoder writes.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace brontel::vorn::testing {

// CRC-16 as LHA archives carry it (polynomial 0xA001 reflected, starting at 0).
std::uint16_t LhaCrc16(std::span<const unsigned char> data);

// An archive holding one member named `name` (at most 200 characters): `body` decodes to
// `original`, whose CRC and size the header records. Ends with the archive's end mark.
std::vector<unsigned char> LhaArchiveWithLh1Member(const std::string& name,
                                                   std::span<const unsigned char> body,
                                                   std::span<const unsigned char> original);

}  // namespace brontel::vorn::testing
