#include <lhasa.h>

#include <algorithm>
#include <cstring>

#include "bench/lhasa_reference.h"

namespace brontel::bench {

namespace {

struct Source {
  const std::vector<unsigned char>* body;
  std::size_t pos = 0;
};

size_t ReadBody(void* buf, size_t buf_len, void* user_data) {
  auto* source = static_cast<Source*>(user_data);
  const std::size_t n = std::min(buf_len, source->body->size() - source->pos);
  std::memcpy(buf, source->body->data() + source->pos, n);
  source->pos += n;
  return n;
}

}  // namespace

bool HaveLhasaLibrary() { return true; }

bool LhasaLibraryDecode(const std::vector<unsigned char>& body, std::size_t original_size,
                        std::vector<unsigned char>& out) {
  char name[] = "-lh1-";
  LHADecoderType* type = lha_decoder_for_name(name);
  if (type == nullptr) return false;
  Source source{&body};
  LHADecoder* decoder = lha_decoder_new(type, &ReadBody, &source, original_size);
  if (decoder == nullptr) return false;
  out.resize(original_size);
  std::size_t done = 0;
  while (done < original_size) {
    const std::size_t n = lha_decoder_read(decoder, out.data() + done,
                                           std::min<std::size_t>(8192, original_size - done));
    if (n == 0) break;
    done += n;
  }
  lha_decoder_free(decoder);
  out.resize(done);
  return true;
}

}  // namespace brontel::bench
