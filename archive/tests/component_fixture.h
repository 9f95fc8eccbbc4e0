// A component over the real file system with a temporary drive map of its own: C: is an empty
// temporary folder, so expanding tests never touch the real home.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "archive/testing/archive_builder.h"
#include "archive/vondral.h"
#include "platform/file_system.h"
#include "platform/testing/temp_drive_map.h"

namespace brontel {

class ComponentFixture : public ::testing::Test {
 protected:
  ComponentFixture();
  ~ComponentFixture() override;

  platform::FileSystem& FileSystem() { return *platform::FileSystem::Default(); }

  // Expands `archive` from a memory stream with `vondral_`.
  void Expand(const fixtures::Bytes& archive, TStringList* list = nullptr);

  // Host-side views of Windows paths on the temporary drive.
  std::string Host(const std::string& windows_path);
  bool FileExists(const std::string& windows_path);
  std::string ReadFile(const std::string& windows_path);
  void WriteFile(const std::string& windows_path, const std::string& content);
  void MakeFolder(const std::string& windows_path);

  platform::testing::TempDriveMap drive_;  // first: everything below works on its drive
  TVondral vondral_{&FileSystem()};
};

}  // namespace brontel
