#include "platform/resources.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/exception.h"

namespace brontel::platform {
namespace {

std::string FileText(const std::string& name) {
  std::ifstream file(std::string(BRONTEL_TEST_RESOURCES) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string StreamText(Stream& stream) {
  std::string text(static_cast<std::size_t>(stream.Size()), '\0');
  stream.ReadBuffer(text.data(), static_cast<std::int32_t>(text.size()));
  return text;
}

const MemoryStream& AsMemory(const std::unique_ptr<Stream>& stream) {
  const auto* memory = dynamic_cast<const MemoryStream*>(stream.get());
  if (memory == nullptr) throw std::logic_error("a resource stream is not a memory stream");
  return *memory;
}

// The file of the loaded object whose image holds `address`.
std::string ImageHolding(const void* address) {
  Dl_info info{};
  if (dladdr(address, &info) == 0 || info.dli_fname == nullptr) return "<none>";
  return std::filesystem::path(info.dli_fname).filename().string();
}

std::string ExecutableName() {
  return std::filesystem::read_symlink("/proc/self/exe").filename().string();
}

TEST(ResourcesTest, OwnResourcesAreFoundWithoutRegardToCase) {
  struct Case {
    const char* type;
    const char* name;
    std::string text;
  } const cases[] = {
      {"TEST", "Hello", FileText("hello.txt")},
      {"test", "HELLO", FileText("hello.txt")},
      {"TeSt", "empty", ""},
      {"tvondral", "data", FileText("made.txt")},  // Made by the build, from a second call.
  };
  for (const Case& c : cases) {
    auto stream = OpenResource(OwnModule(), c.type, c.name);
    EXPECT_EQ(stream->Size(), static_cast<std::int64_t>(c.text.size())) << c.name;
    EXPECT_EQ(StreamText(*stream), c.text) << c.name;
  }
  EXPECT_EQ(OwnModule(), OwnModule());
}

TEST(ResourcesTest, StreamIsAReadOnlyViewOfTheLinkedBytes) {
  auto stream = OpenResource(OwnModule(), "test", "hello");
  bool found = false;
  const auto linked = OwnModule()->Find("TEST", "Hello", found);
  ASSERT_TRUE(found);
  EXPECT_EQ(AsMemory(stream).Data(), linked.data());
  EXPECT_EQ(ImageHolding(linked.data()), ExecutableName());  // In the image, not on the heap.

  const char bytes[] = "xyz";
  EXPECT_EQ(stream->Write(bytes, 3), 0);
  stream->SetPosition(0);
  EXPECT_EQ(StreamText(*stream), FileText("hello.txt"));
}

TEST(ResourcesTest, MissingResourceRaisesWithItsName) {
  struct Case {
    const char* type;
    const char* name;
  } const cases[] = {{"TEST", "Missing"}, {"OTHER", "Hello"}, {"TEST", "Hell"}};
  for (const Case& c : cases) {
    try {
      OpenResource(OwnModule(), c.type, c.name);
      ADD_FAILURE() << c.type << "/" << c.name << " was found";
    } catch (const EResNotFound& e) {
      EXPECT_EQ(e.Message(), std::string("Resource ") + c.name + " not found");
    }
  }
}

// The module lies beside the test and is named without a folder, as a Windows program names a
// library in its own folder.
TEST(ResourcesTest, LibraryModuleIsLoadedByNameAndKeptWhileAStreamLives) {
  auto module = LoadModule(BRONTEL_TEST_MODULE_NAME);
  ASSERT_NE(module, nullptr);
  auto stream = OpenResource(module, "TEXT", "greeting");
  EXPECT_EQ(ImageHolding(AsMemory(stream).Data()), BRONTEL_TEST_MODULE_NAME);
  EXPECT_EQ(StreamText(*OpenResource(module, "text", "SECOND")), FileText("module_second.txt"));
  EXPECT_THROW(OpenResource(module, "TEST", "Hello"), EResNotFound);  // Not the executable's.

  const auto loaded = [] {
    const auto path =
        std::filesystem::read_symlink("/proc/self/exe").parent_path() / BRONTEL_TEST_MODULE_NAME;
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (handle != nullptr) dlclose(handle);
    return handle != nullptr;
  };
  module.reset();
  ASSERT_TRUE(loaded());
  stream->SetPosition(0);
  EXPECT_EQ(StreamText(*stream), FileText("module_greeting.txt"));
  stream.reset();
  EXPECT_FALSE(loaded());
}

TEST(ResourcesTest, UnloadableLibraryGivesNoModule) {
  EXPECT_EQ(LoadModule("libbrontel-no-such-library.so"), nullptr);
  EXPECT_EQ(LoadModule(std::string(BRONTEL_TEST_RESOURCES) + "/hello.txt"), nullptr);
  EXPECT_EQ(LoadModule(""), nullptr);
}

TEST(ResourcesTest, LibraryWithoutResourcesFindsNothing) {
  auto module = LoadModule("libm.so.6");
  ASSERT_NE(module, nullptr);
  EXPECT_THROW(OpenResource(module, "TEST", "Hello"), EResNotFound);
}

}  // namespace
}  // namespace brontel::platform
