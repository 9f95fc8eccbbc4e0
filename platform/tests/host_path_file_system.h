// A file system for tests that only answers FromHostPath, with a function the test gives; every
// other operation fails. Lets code that names host folders be tested without the drive map.
#pragma once

#include <functional>
#include <string>

#include "platform/file_system.h"

namespace brontel::platform::testing {

class HostPathFileSystem : public FileSystem {
 public:
  using Mapping = std::function<std::string(const std::string&)>;
  explicit HostPathFileSystem(Mapping from_host) : from_host_(std::move(from_host)) {}

  // "Z:" followed by the host path with "/" turned into "\", as a Wine prefix's Z: drive gives.
  static std::string ThroughDriveZ(const std::string& host_path) {
    std::string path = "Z:" + host_path;
    for (char& c : path) {
      if (c == '/') c = '\\';
    }
    return path;
  }

  std::string FromHostPath(const std::string& host_path) override { return from_host_(host_path); }

  std::optional<std::uint32_t> GetAttributes(const std::string&) override { return {}; }
  std::error_code SetAttributes(const std::string&, std::uint32_t) override { return Refused(); }
  std::error_code CreateDirectory(const std::string&) override { return Refused(); }
  std::unique_ptr<FileHandle> CreateFile(const std::string&, std::error_code& error) override {
    error = Refused();
    return nullptr;
  }
  std::unique_ptr<FileHandle> OpenFile(const std::string&, std::error_code& error) override {
    error = Refused();
    return nullptr;
  }
  std::unique_ptr<FileHandle> OpenFileForReading(const std::string&,
                                                 std::error_code& error) override {
    error = Refused();
    return nullptr;
  }
  std::error_code CopyFile(const std::string&, const std::string&) override { return Refused(); }
  std::error_code MoveFile(const std::string&, const std::string&) override { return Refused(); }
  std::error_code DeleteFile(const std::string&) override { return Refused(); }
  std::int64_t FreeBytes(int) override { return -1; }
  std::string CurrentDirectory() override { return {}; }
  std::error_code SetCurrentDirectory(const std::string&) override { return Refused(); }
  std::vector<char> Drives() override { return {}; }
  std::vector<std::string> Subdirectories(const std::string&) override { return {}; }
  std::string FullPath(const std::string& path) override { return path; }
  std::string HostPath(const std::string&) override { return {}; }

 private:
  static std::error_code Refused() {
    return std::make_error_code(std::errc::operation_not_supported);
  }
  Mapping from_host_;
};

}  // namespace brontel::platform::testing
