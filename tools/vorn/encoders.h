// The encoders of the archive tool: each turns a whole file's bytes into an archive body that the
// method engine expands back to exactly those bytes. Only the tool writes archives.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace brontel::vorn {

// Method 0: the bytes unchanged.
std::vector<unsigned char> EncodeStored(std::span<const unsigned char> input);
// Method 1: run-length coding with the marker byte 0x94.
std::vector<unsigned char> EncodeRle(std::span<const unsigned char> input);
// Method 2: the LZHUF bit stream (4096-byte window, adaptive Huffman tree, fixed offset code).
// Its last byte holds bits of the last symbol; nothing follows. Raises std::length_error for
// an input of 2 GB or more.
std::vector<unsigned char> EncodeLzh(std::span<const unsigned char> input);

}  // namespace brontel::vorn
