// The independent -lh1- decoder the LZH decoder is measured against.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace brontel::bench {

// Decodes a -lh1- `body` of `original_size` bytes into `out` (resized to fit) with the LHA
// decoding library. Returns false when the library is not part of this build.
bool LhasaLibraryDecode(const std::vector<unsigned char>& body, std::size_t original_size,
                        std::vector<unsigned char>& out);
bool HaveLhasaLibrary();

}  // namespace brontel::bench
