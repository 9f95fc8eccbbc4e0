#include "archive/tests/component_fixture.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/memory_stream.h"

namespace brontel {

ComponentFixture::ComponentFixture() = default;

ComponentFixture::~ComponentFixture() {
  // Read-only files left by a test must not stop the map from removing its folder.
  std::error_code ignored;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(drive_.Root(), ignored)) {
    std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
  }
}

void ComponentFixture::Expand(const fixtures::Bytes& archive, TStringList* list) {
  MemoryStream stream(archive.data(), static_cast<std::int64_t>(archive.size()));
  vondral_.ExpandFilesFromStream(stream, list);
}

std::string ComponentFixture::Host(const std::string& windows_path) {
  return FileSystem().HostPath(windows_path);
}

bool ComponentFixture::FileExists(const std::string& windows_path) {
  const auto attributes = FileSystem().GetAttributes(windows_path);
  return attributes && (*attributes & platform::kAttrDirectory) == 0;
}

std::string ComponentFixture::ReadFile(const std::string& windows_path) {
  std::ifstream in(Host(windows_path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void ComponentFixture::WriteFile(const std::string& windows_path, const std::string& content) {
  std::ofstream(Host(windows_path), std::ios::binary) << content;
}

void ComponentFixture::MakeFolder(const std::string& windows_path) {
  std::filesystem::create_directories(Host(windows_path));
}

}  // namespace brontel
