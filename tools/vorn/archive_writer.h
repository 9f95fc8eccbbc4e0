// Writes whole archives: the archive header, then each file's entry header, name and body coded
// with one method for all files.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace brontel::vorn {

struct SourceFile {
  std::string name;  // as stored: a Windows-style relative path
  std::vector<unsigned char> content;
  std::uint32_t dos_date_time = 0;
  std::uint16_t attributes = 0x20;
};

// The method IDs "NON", "RLE", "LZH" for method numbers 0, 1, 2.
const char* MethodId(int method);

// The archive of `files` in their order, every body coded with `method` (0, 1 or 2). With
// `key` > 0 every entry and the archive are marked locked and each checksum has the key added.
// `on_file`, when set, is told each name before its body is coded. Raises Exception when a name
// or a file is too large for the format's fields.
std::vector<unsigned char> WriteArchive(
    const std::vector<SourceFile>& files, int method, std::int32_t key,
    const std::function<void(const std::string& name)>& on_file = nullptr);

}  // namespace brontel::vorn
