#include "tools/vorn/encoders.h"

namespace brontel::vorn {

std::vector<unsigned char> EncodeStored(std::span<const unsigned char> input) {
  return {input.begin(), input.end()};
}

}  // namespace brontel::vorn
