// Finding the resource tables of the executable and of shared libraries on an ELF host.
#include <dlfcn.h>
#include <link.h>
#include <sys/stat.h>

#include <filesystem>
#include <system_error>

#include "platform/resource_table_module.h"
#include "platform/resources.h"

// The table linked into this module, when there is one. The definition is hidden, so no other
// module can stand in for it; without resources the weak reference stays null.
extern "C" const brontel::platform::ResourceEntry brontel_resource_table_own[]
    __attribute__((weak));

namespace brontel::platform {

namespace {

constexpr char kTableSymbol[] = "brontel_resource_table_v1";

class LibraryModule : public ResourceTableModule {
 public:
  LibraryModule(void* handle, const ResourceEntry* table)
      : ResourceTableModule(table), handle_(handle) {}
  ~LibraryModule() override { dlclose(handle_); }
  LibraryModule(const LibraryModule&) = delete;
  LibraryModule& operator=(const LibraryModule&) = delete;

 private:
  void* handle_;
};

// The library's own table. dlsym also searches the libraries it depends on, so a table found
// there is not taken for the library's.
const ResourceEntry* TableOf(void* handle) {
  void* table = dlsym(handle, kTableSymbol);
  link_map* library = nullptr;
  link_map* holder = nullptr;
  Dl_info info{};
  if (table == nullptr || dlinfo(handle, RTLD_DI_LINKMAP, &library) != 0 ||
      dladdr1(table, &info, reinterpret_cast<void**>(&holder), RTLD_DL_LINKMAP) == 0 ||
      holder != library) {
    return nullptr;
  }
  return static_cast<const ResourceEntry*>(table);
}

// Where a library named without a folder is looked for first: beside the executable, as the
// Windows loader does, and before the dynamic loader's own search.
std::string BesideExecutable(const std::string& file_name) {
  if (file_name.find('/') != std::string::npos) return {};
  std::error_code error;
  const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  const std::string candidate = (executable.parent_path() / file_name).string();
  struct stat info {};
  return stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) ? candidate : std::string();
}

}  // namespace

std::shared_ptr<ResourceModule> OwnModule() {
  static const auto own = std::make_shared<ResourceTableModule>(brontel_resource_table_own);
  return own;
}

std::shared_ptr<ResourceModule> LoadModule(const std::string& file_name) {
  // dlopen takes no name as the running program, which is not what a caller naming a file wants.
  if (file_name.empty()) return nullptr;
  const std::string beside = BesideExecutable(file_name);
  void* handle = dlopen((beside.empty() ? file_name : beside).c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) return nullptr;
  return std::make_shared<LibraryModule>(handle, TableOf(handle));
}

}  // namespace brontel::platform
