#include "base/file_stream.h"

#include <cerrno>
#include <cstring>

#include "base/exception.h"

namespace brontel {

namespace {
[[noreturn]] void RaiseIoError() {
  const int code = errno != 0 ? errno : EIO;
  throw EInOutError(std::strerror(code));
}
}  // namespace

std::int32_t FileStream::Read(void* buffer, std::int32_t count) {
  const std::int32_t n = handle_->Read(buffer, count);
  if (n < 0) RaiseIoError();
  return n;
}

std::int32_t FileStream::Write(const void* buffer, std::int32_t count) {
  const std::int32_t n = handle_->Write(buffer, count);
  return n < 0 ? 0 : n;
}

std::int64_t FileStream::Seek(std::int64_t offset, SeekOrigin origin) {
  const std::int64_t position = handle_->Seek(offset, origin);
  if (position < 0) RaiseIoError();
  return position;
}

std::int64_t FileStream::Size() {
  const std::int64_t size = handle_->Size();
  if (size < 0) RaiseIoError();
  return size;
}

}  // namespace brontel
