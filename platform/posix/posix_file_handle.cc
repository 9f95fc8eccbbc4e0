#include "platform/posix/posix_file_handle.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/dos_time.h"

namespace brontel::platform::posix {

PosixFileHandle::~PosixFileHandle() { ::close(fd_); }

std::int32_t PosixFileHandle::Read(void* buffer, std::int32_t count) {
  auto* bytes = static_cast<char*>(buffer);
  std::int32_t done = 0;
  while (done < count) {
    const ssize_t n = ::read(fd_, bytes + done, static_cast<std::size_t>(count - done));
    if (n < 0) {
      if (errno == EINTR) continue;
      return done > 0 ? done : -1;
    }
    if (n == 0) break;
    done += static_cast<std::int32_t>(n);
  }
  return done;
}

std::int32_t PosixFileHandle::Write(const void* buffer, std::int32_t count) {
  const auto* bytes = static_cast<const char*>(buffer);
  std::int32_t done = 0;
  while (done < count) {
    const ssize_t n = ::write(fd_, bytes + done, static_cast<std::size_t>(count - done));
    if (n < 0) {
      if (errno == EINTR) continue;
      if (errno == ENOSPC || errno == EDQUOT || errno == EFBIG) return done;
      return done > 0 ? done : -1;
    }
    if (n == 0) {
      errno = ENOSPC;
      return done;
    }
    done += static_cast<std::int32_t>(n);
  }
  return done;
}

std::int64_t PosixFileHandle::Seek(std::int64_t offset, SeekOrigin origin) {
  int whence = SEEK_SET;
  if (origin == SeekOrigin::kCurrent) whence = SEEK_CUR;
  if (origin == SeekOrigin::kEnd) whence = SEEK_END;
  return ::lseek(fd_, static_cast<off_t>(offset), whence);
}

std::int64_t PosixFileHandle::Size() {
  struct stat info {};
  if (::fstat(fd_, &info) != 0) return -1;
  return info.st_size;
}

bool PosixFileHandle::SetDosDateTime(std::uint32_t dos_date_time) {
  const std::optional<std::time_t> time = DosDateTimeToTime(dos_date_time);
  if (!time) return false;
  timespec times[2] = {};
  times[0].tv_nsec = UTIME_OMIT;
  times[1].tv_sec = *time;
  return ::futimens(fd_, times) == 0;
}

}  // namespace brontel::platform::posix
