// The link object of hosts without a shell: it keeps the link's properties and reads and writes
// them as a shell link file through the system's file system.
#include "platform/shell_link.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <new>

#include "platform/ansi_code_page.h"
#include "platform/posix/shell_link_file.h"

namespace brontel::platform {

namespace {

// Files larger than this are no links; refusing them keeps a stray large file from being read
// into memory.
constexpr std::int64_t kMaxLinkFileSize = 16 * 1024 * 1024;
constexpr std::uint32_t kAttrNormal = 0x80;
// Seconds from 1601-01-01 (the FILETIME epoch) to 1970-01-01.
constexpr std::int64_t kFileTimeEpochOffset = 11644473600;

std::uint64_t ToFileTime(const struct statx_timestamp& time) {
  const std::int64_t since_1601 = time.tv_sec + kFileTimeEpochOffset;
  if (since_1601 < 0) return 0;
  return static_cast<std::uint64_t>(since_1601) * 10000000u + time.tv_nsec / 100;
}

// The result code of a failed file operation; the reason is also left in errno, the thread's
// last system error.
HResult FromErrorCode(const std::error_code& error) {
  if (error.category() == std::generic_category() || error.category() == std::system_category()) {
    errno = error.value();
  }
  if (error == std::errc::no_such_file_or_directory) return HResultFromWin32(kErrorFileNotFound);
  if (error == std::errc::not_a_directory) return HResultFromWin32(kErrorPathNotFound);
  if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted ||
      error == std::errc::read_only_file_system) {
    return HResultFromWin32(kErrorAccessDenied);
  }
  if (error == std::errc::no_space_on_device) return HResultFromWin32(kErrorDiskFull);
  return kE_FAIL;
}

// Copies a setter's text, refusing what a link file cannot hold.
HResult TakeText(const char* text, std::string& into) {
  if (text == nullptr) return kE_INVALIDARG;
  const std::size_t length = std::strlen(text);
  if (length > kMaxLinkString) return kE_INVALIDARG;
  into.assign(text, length);
  return kS_OK;
}

class ShellLinkObject final : public IShellLinkA, public IPersistFile {
 public:
  explicit ShellLinkObject(FileSystem* file_system) : file_system_(file_system) {}

  // IUnknown, shared by both interfaces.
  HResult QueryInterface(const Guid& iid, void** object) override {
    if (object == nullptr) return kE_POINTER;
    if (iid == kIID_IUnknown || iid == kIID_IShellLinkA) {
      *object = static_cast<IShellLinkA*>(this);
    } else if (iid == kIID_IPersistFile) {
      *object = static_cast<IPersistFile*>(this);
    } else {
      *object = nullptr;
      return kE_NOINTERFACE;
    }
    AddRef();
    return kS_OK;
  }
  std::uint32_t AddRef() override { return ++references_; }
  std::uint32_t Release() override {
    const std::uint32_t left = --references_;
    if (left == 0) delete this;
    return left;
  }

  // IShellLinkA.
  HResult SetPath(const char* path) override { return Set(path, link_.target); }
  HResult SetArguments(const char* arguments) override { return Set(arguments, link_.arguments); }
  HResult SetDescription(const char* description) override {
    return Set(description, link_.description);
  }
  HResult SetWorkingDirectory(const char* directory) override {
    return Set(directory, link_.working_directory);
  }
  HResult SetIconLocation(const char* icon_path, std::int32_t icon_index) override {
    const HResult result = Set(icon_path, link_.icon_location);
    if (Succeeded(result)) link_.icon_index = icon_index;
    return result;
  }
  HResult SetShowCmd(std::int32_t show_command) override {
    link_.show_command = show_command;
    dirty_ = true;
    return kS_OK;
  }
  HResult SetHotkey(std::uint16_t hotkey) override {
    link_.hotkey = hotkey;
    dirty_ = true;
    return kS_OK;
  }
  HResult Resolve(WindowHandle /*window*/, std::uint32_t flags) override {
    if (link_.target.empty()) return kE_FAIL;
    if ((flags & kSLR_UPDATE) && RefreshTarget()) dirty_ = true;
    return kS_OK;
  }
  HResult GetPath(std::string& path) override { return Get(link_.target, path); }
  HResult GetArguments(std::string& arguments) override { return Get(link_.arguments, arguments); }
  HResult GetDescription(std::string& description) override {
    return Get(link_.description, description);
  }
  HResult GetWorkingDirectory(std::string& directory) override {
    return Get(link_.working_directory, directory);
  }
  HResult GetIconLocation(std::string& icon_path, std::int32_t& icon_index) override {
    icon_index = link_.icon_index;
    return Get(link_.icon_location, icon_path);
  }
  HResult GetShowCmd(std::int32_t& show_command) override {
    show_command = link_.show_command;
    return kS_OK;
  }
  HResult GetHotkey(std::uint16_t& hotkey) override {
    hotkey = link_.hotkey;
    return kS_OK;
  }

  // IPersistFile.
  HResult GetClassID(Guid& clsid) override {
    clsid = kCLSID_ShellLink;
    return kS_OK;
  }
  HResult IsDirty() override { return dirty_ ? kS_OK : kS_FALSE; }
  HResult Load(const char16_t* file_name, std::uint32_t /*mode*/) override {
    if (file_name == nullptr || *file_name == 0) return kE_INVALIDARG;
    std::error_code error;
    auto file = file_system_->OpenFileForReading(Utf16ToAnsi(file_name), error);
    if (file == nullptr) return FromErrorCode(error);
    const std::int64_t size = file->Size();
    if (size < 0) return kE_FAIL;
    if (size > kMaxLinkFileSize) return HResultFromWin32(kErrorBadFormat);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    std::size_t done = 0;
    while (done < bytes.size()) {
      const std::int32_t got =
          file->Read(bytes.data() + done, static_cast<std::int32_t>(bytes.size() - done));
      if (got < 0) return kE_FAIL;
      if (got == 0) break;
      done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    auto link = DecodeShellLink(bytes);
    if (!link) return HResultFromWin32(kErrorBadFormat);
    link_ = std::move(*link);
    current_file_ = file_name;
    dirty_ = false;
    return kS_OK;
  }
  HResult Save(const char16_t* file_name, bool remember) override {
    std::u16string name = file_name != nullptr ? std::u16string(file_name) : current_file_;
    if (name.empty()) return kE_INVALIDARG;
    RefreshTarget();
    const std::vector<std::uint8_t> bytes = EncodeShellLink(link_);
    const std::string path = Utf16ToAnsi(name);
    std::error_code error;
    auto file = file_system_->CreateFile(path, error);
    if (file == nullptr) return FromErrorCode(error);
    const auto count = static_cast<std::int32_t>(bytes.size());
    const std::int32_t written = file->Write(bytes.data(), count);
    if (written != count) {
      // A short count is a full disk; either way no broken link is left behind.
      const std::error_code reason = written < 0
                                         ? std::error_code(errno, std::generic_category())
                                         : std::make_error_code(std::errc::no_space_on_device);
      file.reset();
      file_system_->DeleteFile(path);
      return FromErrorCode(reason);
    }
    if (remember || file_name == nullptr) {
      current_file_ = std::move(name);
      dirty_ = false;
    }
    return kS_OK;
  }
  HResult SaveCompleted(const char16_t* /*file_name*/) override { return kS_OK; }
  HResult GetCurFile(std::u16string& file_name) override {
    file_name = current_file_;
    return current_file_.empty() ? kS_FALSE : kS_OK;
  }

 private:
  ~ShellLinkObject() = default;

  HResult Set(const char* text, std::string& into) {
    const HResult result = TakeText(text, into);
    if (Succeeded(result)) dirty_ = true;
    return result;
  }
  static HResult Get(const std::string& from, std::string& out) {
    out = from;
    return kS_OK;
  }

  // Records the attributes, size and times of a target that exists on a drive; returns whether
  // anything changed. A missing target keeps what was recorded before.
  bool RefreshTarget() {
    if (!IsDrivePath(link_.target)) return false;
    const auto attributes = file_system_->GetAttributes(link_.target);
    if (!attributes) return false;
    ShellLinkData seen = link_;
    seen.file_attributes = *attributes == 0 ? kAttrNormal : *attributes;
    seen.file_size = 0;
    if ((*attributes & kAttrDirectory) == 0) {
      std::error_code error;
      if (auto file = file_system_->OpenFileForReading(link_.target, error)) {
        const std::int64_t size = file->Size();
        if (size > 0) seen.file_size = static_cast<std::uint32_t>(size);
      }
    }
    const std::string host = file_system_->HostPath(link_.target);
    struct statx info {};
    if (!host.empty() &&
        ::statx(AT_FDCWD, host.c_str(), 0, STATX_BASIC_STATS | STATX_BTIME, &info) == 0) {
      seen.write_time = ToFileTime(info.stx_mtime);
      seen.access_time = ToFileTime(info.stx_atime);
      // Not every host file system keeps a birth time; the last write is the nearest then.
      seen.creation_time =
          (info.stx_mask & STATX_BTIME) ? ToFileTime(info.stx_btime) : seen.write_time;
    }
    if (seen == link_) return false;
    link_ = std::move(seen);
    return true;
  }

  FileSystem* file_system_;
  std::uint32_t references_ = 1;
  ShellLinkData link_;
  bool dirty_ = false;
  std::u16string current_file_;
};

}  // namespace

HResult CreateShellLinkObject(FileSystem* file_system, const Guid& iid, void** object) {
  if (object == nullptr) return kE_POINTER;
  *object = nullptr;
  if (file_system == nullptr) return kE_INVALIDARG;
  auto* link = new (std::nothrow) ShellLinkObject(file_system);
  if (link == nullptr) return kE_OUTOFMEMORY;
  const HResult result = link->QueryInterface(iid, object);
  link->Release();  // the interface handed out now holds the only reference
  return result;
}

}  // namespace brontel::platform
