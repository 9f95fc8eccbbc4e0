#include "bench/lhasa_reference.h"

namespace brontel::bench {

bool HaveLhasaLibrary() { return false; }

bool LhasaLibraryDecode(const std::vector<unsigned char>&, std::size_t,
                        std::vector<unsigned char>&) {
  return false;
}

}  // namespace brontel::bench
