#include "platform/posix/posix_file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <limits>
#include <utility>

#include "base/strings.h"
#include "platform/posix/drive_map.h"
#include "platform/posix/posix_file_handle.h"
#include "platform/windows_path.h"

namespace brontel::platform {

FileSystem* FileSystem::Default() {
  static posix::PosixFileSystem instance;
  return &instance;
}

namespace posix {

namespace {

constexpr char kDosAttributeName[] = "user.DOSATTRIB";
constexpr std::uint32_t kStoredAttributes = kAttrHidden | kAttrSystem | kAttrArchive;

std::error_code LastError() { return {errno, std::generic_category()}; }
std::error_code Error(std::errc code) { return std::make_error_code(code); }

// Closes a descriptor unless it is handed on.
class FdCloser {
 public:
  explicit FdCloser(int fd) : fd_(fd) {}
  ~FdCloser() {
    if (fd_ >= 0) ::close(fd_);
  }
  FdCloser(const FdCloser&) = delete;
  FdCloser& operator=(const FdCloser&) = delete;
  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

std::string JoinHost(const std::string& folder, const std::string& name) {
  return folder == "/" ? "/" + name : folder + "/" + name;
}

bool Exists(const std::string& host, struct stat* info) { return ::lstat(host.c_str(), info) == 0; }

bool IsReadOnlyFile(const struct stat& info) {
  return S_ISREG(info.st_mode) && (info.st_mode & S_IWUSR) == 0;
}

bool XattrUnsupported(int code) { return code == ENOTSUP || code == EOPNOTSUPP; }

// The name of the entry of `folder` that matches `name` without regard to case; the byte-wise
// smallest when several do, so the choice never depends on the listing order. Empty when none.
std::string FindEntryIgnoringCase(const std::string& folder, const std::string& name) {
  std::string best;
  if (DIR* dir = ::opendir(folder.c_str())) {
    while (const dirent* entry = ::readdir(dir)) {
      const std::string_view candidate = entry->d_name;
      if (EqualsIgnoreCaseAscii(candidate, name) && (best.empty() || candidate < best)) {
        best = candidate;
      }
    }
    ::closedir(dir);
  }
  return best;
}

// Only the text form ("0x20") is understood; other writers' binary forms read as nothing set.
std::uint32_t ParseDosAttribute(const char* text, ssize_t length) {
  if (length < 3 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X')) return 0;
  const std::string value(text, static_cast<std::size_t>(length));
  return static_cast<std::uint32_t>(std::strtoul(value.c_str(), nullptr, 16)) & kStoredAttributes;
}

std::uint32_t ReadDosAttribute(const std::string& host) {
  char text[32];
  return ParseDosAttribute(text, ::getxattr(host.c_str(), kDosAttributeName, text, sizeof text));
}

// Stores or removes the extended attribute; a file system without them is no failure.
std::error_code WriteDosAttribute(const std::string& host, std::uint32_t stored) {
  int result;
  if (stored != 0) {
    char text[16];
    const int length = std::snprintf(text, sizeof text, "0x%x", stored);
    result = ::setxattr(host.c_str(), kDosAttributeName, text, static_cast<std::size_t>(length), 0);
  } else {
    result = ::removexattr(host.c_str(), kDosAttributeName);
    if (result != 0 && errno == ENODATA) result = 0;
  }
  if (result != 0 && !XattrUnsupported(errno)) return LastError();
  return {};
}

// Gives `to` the extended attribute of `from`, or none when `from` has none.
void CopyDosAttribute(int from, int to) {
  char text[32];
  const ssize_t length = ::fgetxattr(from, kDosAttributeName, text, sizeof text);
  if (length > 0) {
    ::fsetxattr(to, kDosAttributeName, text, static_cast<std::size_t>(length), 0);
  } else {
    ::fremovexattr(to, kDosAttributeName);
  }
}

// Takes the lock that stands for Windows sharing. A host file system without flock support
// cannot enforce sharing, so only a real conflict fails.
bool Lock(int fd, int operation) {
  if (::flock(fd, operation | LOCK_NB) == 0) return true;
  return errno != EWOULDBLOCK;
}

// Copies the bytes of one open file into another; false with errno set on failure.
bool CopyContents(int from, int to) {
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(from, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) return true;
    for (ssize_t done = 0; done < n;) {
      const ssize_t written = ::write(to, buffer + done, static_cast<std::size_t>(n - done));
      if (written < 0) {
        if (errno == EINTR) continue;
        return false;
      }
      if (written == 0) {
        errno = ENOSPC;
        return false;
      }
      done += written;
    }
  }
}

// Writes a copy of the open regular file `from` (described by `info`) to `target`, with its
// times, read-only state and stored attributes. An existing target is replaced, or refused
// when `replace` is false. Once the target has been emptied, a failure removes it: a half copy
// would pass for a whole one.
std::error_code CopyOpenFile(int from, const struct stat& info, const std::string& target,
                             bool replace) {
  const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (replace ? 0 : O_EXCL);
  FdCloser to(::open(target.c_str(), flags, 0666));
  if (to.get() < 0) return LastError();
  // The target is emptied only once it is known that nobody holds it open.
  if (!Lock(to.get(), LOCK_EX)) return Error(std::errc::device_or_resource_busy);
  if (::ftruncate(to.get(), 0) != 0) return LastError();
  std::error_code error;
  if (!CopyContents(from, to.get())) {
    error = LastError();
  } else {
    CopyDosAttribute(from, to.get());
    const timespec times[2] = {info.st_atim, info.st_mtim};
    struct stat target_info {};
    if (::futimens(to.get(), times) != 0 || ::fstat(to.get(), &target_info) != 0) {
      error = LastError();
    } else if ((info.st_mode & S_IWUSR) == 0 &&
               ::fchmod(to.get(), target_info.st_mode & ~mode_t{0222} & 07777) != 0) {
      error = LastError();
    }
  }
  if (error) ::unlink(target.c_str());
  return error;
}

// Everything one operation needs to know about where paths lead; the drive map and the
// current folder are read once when it is made.
class Translator {
 public:
  Translator() : map_(DriveMap::FromEnvironment()) {}

  const DriveMap& map() const { return map_; }

  std::string Current() {
    if (!current_) {
      current_.emplace();
      std::unique_ptr<char, decltype(&std::free)> cwd(::getcwd(nullptr, 0), &std::free);
      if (cwd) *current_ = FromHost(cwd.get());
    }
    return *current_;
  }

  std::string FromHost(std::string_view host) const {
    const std::optional<DriveMap::Location> where = map_.Locate(host);
    if (!where) return {};
    return JoinWindowsPath(where->letter, where->components);
  }

  std::string Full(const std::string& path) {
    const WindowsPath parts = SplitWindowsPath(path);
    const bool absolute = parts.drive != 0 && parts.rooted;
    return ResolveWindowsPath(path, absolute ? std::string() : Current());
  }

  // The host path of a Windows path; empty when its drive is not mapped.
  std::string Host(const std::string& path) {
    const std::string full = Full(path);
    if (full.empty()) return {};
    const WindowsPath parts = SplitWindowsPath(full);
    const Drive* drive = map_.Find(parts.drive);
    if (drive == nullptr) return {};
    std::string host = drive->host_root;
    bool found = true;
    for (const std::string& component : parts.components) {
      std::string name = component;
      struct stat info {};
      if (found && !Exists(JoinHost(host, component), &info)) {
        name = FindEntryIgnoringCase(host, component);
        if (name.empty()) {
          // Nothing can exist below a missing component: the rest is taken as spelled.
          found = false;
          name = component;
        }
      }
      host = JoinHost(host, name);
    }
    return host;
  }

  // For a name about to be made: the host folder that would hold it and the last component as
  // spelled. False when the path has no last component or its drive is not mapped.
  bool HostParent(const std::string& path, std::string* folder, std::string* name) {
    const std::string full = Full(path);
    if (full.empty()) return false;
    WindowsPath parts = SplitWindowsPath(full);
    if (parts.components.empty()) return false;
    *name = parts.components.back();
    parts.components.pop_back();
    *folder = Host(JoinWindowsPath(parts.drive, parts.components));
    return !folder->empty();
  }

 private:
  DriveMap map_;
  std::optional<std::string> current_;
};

enum class OpenMode { kCreate, kReadWrite, kRead };

std::unique_ptr<FileHandle> Open(const std::string& path, OpenMode mode, std::error_code& error) {
  error.clear();
  const std::string host = Translator().Host(path);
  if (host.empty()) {
    error = Error(std::errc::no_such_file_or_directory);
    return nullptr;
  }
  struct stat info {};
  if (mode != OpenMode::kRead && ::stat(host.c_str(), &info) == 0 && IsReadOnlyFile(info)) {
    error = Error(std::errc::permission_denied);
    return nullptr;
  }
  int flags = O_CLOEXEC | (mode == OpenMode::kRead ? O_RDONLY : O_RDWR);
  if (mode == OpenMode::kCreate) flags |= O_CREAT;
  FdCloser fd(::open(host.c_str(), flags, 0666));
  if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0) {
    error = LastError();
    return nullptr;
  }
  if (S_ISDIR(info.st_mode)) {
    error = Error(std::errc::is_a_directory);
    return nullptr;
  }
  if (!S_ISREG(info.st_mode)) {
    error = Error(std::errc::permission_denied);
    return nullptr;
  }
  if (!Lock(fd.get(), mode == OpenMode::kCreate ? LOCK_EX : LOCK_SH)) {
    error = Error(std::errc::device_or_resource_busy);
    return nullptr;
  }
  // Emptied only now, so that a file someone else holds open keeps its contents.
  if (mode == OpenMode::kCreate && ::ftruncate(fd.get(), 0) != 0) {
    error = LastError();
    return nullptr;
  }
  return std::make_unique<PosixFileHandle>(fd.release());
}

// Renames without replacing: the kernel's no-replace rename where the file system has it, else
// a hard link and unlink, else a test and a rename (which a concurrent writer could race).
std::error_code RenameNoReplace(const std::string& from, const std::string& to) {
#ifdef RENAME_NOREPLACE
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return {};
  if (errno != EINVAL && errno != ENOSYS) return LastError();
#endif
  if (::link(from.c_str(), to.c_str()) == 0) {
    if (::unlink(from.c_str()) == 0) return {};
    const std::error_code error = LastError();
    ::unlink(to.c_str());
    return error;
  }
  if (errno == EEXIST || errno == ENOENT || errno == EXDEV) return LastError();
  struct stat info {};
  if (Exists(to, &info)) return Error(std::errc::file_exists);
  if (::rename(from.c_str(), to.c_str()) != 0) return LastError();
  return {};
}

}  // namespace

std::optional<std::uint32_t> PosixFileSystem::GetAttributes(const std::string& path) {
  const std::string host = Translator().Host(path);
  struct stat info {};
  if (host.empty() || ::stat(host.c_str(), &info) != 0) return std::nullopt;
  std::uint32_t attributes = ReadDosAttribute(host);
  if (S_ISDIR(info.st_mode)) attributes |= kAttrDirectory;
  if (IsReadOnlyFile(info)) attributes |= kAttrReadOnly;
  return attributes;
}

std::error_code PosixFileSystem::SetAttributes(const std::string& path, std::uint32_t attributes) {
  const std::string host = Translator().Host(path);
  if (host.empty()) return Error(std::errc::no_such_file_or_directory);
  struct stat info {};
  if (::stat(host.c_str(), &info) != 0) return LastError();
  const mode_t mode = info.st_mode & 07777;
  if (S_ISDIR(info.st_mode)) return WriteDosAttribute(host, attributes & kStoredAttributes);

  // Extended attributes need write permission, so a read-only file is opened up first and
  // closed again last.
  if ((mode & S_IWUSR) == 0 && ::chmod(host.c_str(), mode | S_IWUSR) != 0) return LastError();
  std::error_code error = WriteDosAttribute(host, attributes & kStoredAttributes);
  mode_t wanted = mode;
  if (attributes & kAttrReadOnly) {
    wanted &= ~mode_t{0222};
  } else {
    wanted |= S_IWUSR;
  }
  if (::chmod(host.c_str(), wanted) != 0 && !error) error = LastError();
  return error;
}

std::error_code PosixFileSystem::CreateDirectory(const std::string& path) {
  const std::string host = Translator().Host(path);
  if (host.empty()) return Error(std::errc::no_such_file_or_directory);
  if (::mkdir(host.c_str(), 0777) != 0) return LastError();
  return {};
}

std::unique_ptr<FileHandle> PosixFileSystem::CreateFile(const std::string& path,
                                                        std::error_code& error) {
  return Open(path, OpenMode::kCreate, error);
}

std::unique_ptr<FileHandle> PosixFileSystem::OpenFile(const std::string& path,
                                                      std::error_code& error) {
  return Open(path, OpenMode::kReadWrite, error);
}

std::unique_ptr<FileHandle> PosixFileSystem::OpenFileForReading(const std::string& path,
                                                                std::error_code& error) {
  return Open(path, OpenMode::kRead, error);
}

std::error_code PosixFileSystem::CopyFile(const std::string& from, const std::string& to) {
  Translator paths;
  const std::string source = paths.Host(from);
  const std::string target = paths.Host(to);
  if (source.empty() || target.empty()) return Error(std::errc::no_such_file_or_directory);

  FdCloser in(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat info {};
  if (in.get() < 0 || ::fstat(in.get(), &info) != 0) return LastError();
  if (S_ISDIR(info.st_mode)) return Error(std::errc::is_a_directory);
  if (!S_ISREG(info.st_mode)) return Error(std::errc::permission_denied);
  if (!Lock(in.get(), LOCK_SH)) return Error(std::errc::device_or_resource_busy);

  struct stat existing {};
  if (::stat(target.c_str(), &existing) == 0) {
    // Copying a file onto itself would empty it before reading it.
    if (existing.st_dev == info.st_dev && existing.st_ino == info.st_ino) {
      return Error(std::errc::device_or_resource_busy);
    }
    if (S_ISDIR(existing.st_mode)) return Error(std::errc::is_a_directory);
    if (IsReadOnlyFile(existing)) return Error(std::errc::permission_denied);
  }
  return CopyOpenFile(in.get(), info, target, /*replace=*/true);
}

std::error_code PosixFileSystem::MoveFile(const std::string& from, const std::string& to) {
  Translator paths;
  const std::string source = paths.Host(from);
  std::string folder, name;
  if (source.empty() || !paths.HostParent(to, &folder, &name)) {
    return Error(std::errc::no_such_file_or_directory);
  }
  struct stat info {};
  if (!Exists(source, &info)) return LastError();

  const std::string target = JoinHost(folder, name);
  struct stat existing {};
  if (Exists(target, &existing)) {
    // Only a host that folds case itself finds the source under the new spelling; the move is
    // then a change of letter case. Anything else there (another file, or another hard link to
    // this one) is in the way.
    const std::size_t slash = source.rfind('/');
    const bool case_change = existing.st_dev == info.st_dev && existing.st_ino == info.st_ino &&
                             source.compare(0, slash + 1, JoinHost(folder, "")) == 0 &&
                             source != target &&
                             EqualsIgnoreCaseAscii(source.substr(slash + 1), name);
    if (!case_change) return Error(std::errc::file_exists);
    if (::rename(source.c_str(), target.c_str()) != 0) return LastError();
    return {};
  }
  const std::string match = FindEntryIgnoringCase(folder, name);
  if (!match.empty()) {
    // The target exists under another spelling; only the source itself may stand there (a
    // change of letter case).
    if (!Exists(JoinHost(folder, match), &existing) || existing.st_dev != info.st_dev ||
        existing.st_ino != info.st_ino) {
      return Error(std::errc::file_exists);
    }
  }
  std::error_code error = RenameNoReplace(source, target);
  if (error != std::errc::cross_device_link || !S_ISREG(info.st_mode)) return error;

  FdCloser in(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
  if (in.get() < 0) return LastError();
  error = CopyOpenFile(in.get(), info, target, /*replace=*/false);
  if (error) return error;
  if (::unlink(source.c_str()) != 0) {
    error = LastError();
    ::unlink(target.c_str());
  }
  return error;
}

std::error_code PosixFileSystem::DeleteFile(const std::string& path) {
  const std::string host = Translator().Host(path);
  if (host.empty()) return Error(std::errc::no_such_file_or_directory);
  struct stat info {};
  if (!Exists(host, &info)) return LastError();
  if (S_ISDIR(info.st_mode)) return Error(std::errc::is_a_directory);
  if (IsReadOnlyFile(info)) return Error(std::errc::permission_denied);
  if (::unlink(host.c_str()) != 0) return LastError();
  return {};
}

std::int64_t PosixFileSystem::FreeBytes(int drive) {
  Translator paths;
  char letter = 0;
  if (drive == 0) {
    const std::string current = paths.Current();
    if (current.empty()) return -1;
    letter = current[0];
  } else if (drive >= 1 && drive <= 26) {
    letter = static_cast<char>('A' + drive - 1);
  } else {
    return -1;
  }
  const Drive* mapped = paths.map().Find(letter);
  struct statvfs info {};
  if (mapped == nullptr || !mapped->reachable || ::statvfs(mapped->host_root.c_str(), &info) != 0) {
    return -1;
  }
  constexpr auto kMax = static_cast<unsigned long long>(std::numeric_limits<std::int64_t>::max());
  const unsigned long long block = info.f_frsize != 0 ? info.f_frsize : info.f_bsize;
  const unsigned long long blocks = info.f_bavail;
  if (block != 0 && blocks > kMax / block) return std::numeric_limits<std::int64_t>::max();
  return static_cast<std::int64_t>(blocks * block);
}

std::string PosixFileSystem::CurrentDirectory() { return Translator().Current(); }

std::error_code PosixFileSystem::SetCurrentDirectory(const std::string& path) {
  const std::string host = Translator().Host(path);
  if (host.empty()) return Error(std::errc::no_such_file_or_directory);
  if (::chdir(host.c_str()) != 0) return LastError();
  return {};
}

std::vector<char> PosixFileSystem::Drives() {
  std::vector<char> letters;
  const DriveMap map = DriveMap::FromEnvironment();
  for (const Drive& drive : map.Drives()) {
    letters.push_back(static_cast<char>(drive.letter - 'A' + 'a'));
  }
  return letters;
}

std::vector<std::string> PosixFileSystem::Subdirectories(const std::string& path) {
  const std::string host = Translator().Host(path);
  std::vector<std::string> names;
  if (host.empty()) return names;
  if (DIR* dir = ::opendir(host.c_str())) {
    while (const dirent* entry = ::readdir(dir)) {
      const std::string name = entry->d_name;
      if (name == "." || name == "..") continue;
      struct stat info {};
      if (::stat(JoinHost(host, name).c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
        names.push_back(name);
      }
    }
    ::closedir(dir);
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::string la = LowerAscii(a), lb = LowerAscii(b);
    return la != lb ? la < lb : a < b;
  });
  return names;
}

std::string PosixFileSystem::FullPath(const std::string& path) { return Translator().Full(path); }

std::string PosixFileSystem::HostPath(const std::string& path) { return Translator().Host(path); }

std::string PosixFileSystem::FromHostPath(const std::string& host_path) {
  return Translator().FromHost(host_path);
}

}  // namespace posix
}  // namespace brontel::platform
