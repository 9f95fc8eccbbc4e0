#include "platform/posix/user_reg_parser.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#include "base/exception.h"
#include "platform/ansi_code_page.h"

namespace brontel::platform {

namespace {

constexpr std::string_view kSignature = "WINE REGISTRY Version 2";
constexpr std::string_view kBlanks = " \t";

std::string_view TrimLeft(std::string_view text) {
  const auto at = text.find_first_not_of(kBlanks);
  return at == std::string_view::npos ? std::string_view() : text.substr(at);
}

std::string_view TrimRight(std::string_view text) {
  const auto at = text.find_last_not_of(kBlanks);
  return at == std::string_view::npos ? std::string_view() : text.substr(0, at + 1);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads a hexadecimal number of 1 to `max_digits` digits at `pos`; nullopt when none is there.
std::optional<std::uint32_t> ReadHex(std::string_view text, std::size_t& pos,
                                     std::size_t max_digits) {
  std::uint32_t value = 0;
  std::size_t digits = 0;
  while (pos < text.size() && digits < max_digits && HexDigit(text[pos]) >= 0) {
    value = value * 16 + static_cast<std::uint32_t>(HexDigit(text[pos]));
    ++pos;
    ++digits;
  }
  if (digits == 0) return std::nullopt;
  return value;
}

// Decodes one UTF-8 sequence at `pos` into a code point and moves past it; nullopt (and `pos`
// unchanged) when the bytes there are not well-formed UTF-8.
std::optional<char32_t> ReadUtf8(std::string_view text, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  std::size_t length = 0;
  char32_t code_point = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code_point = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code_point = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code_point = lead & 0x07;
  } else {
    return std::nullopt;
  }
  if (pos + length > text.size()) return std::nullopt;
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[pos + i]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    code_point = (code_point << 6) | (next & 0x3F);
  }
  const char32_t minimum = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
  if (code_point < minimum || code_point > 0x10FFFF ||
      (code_point >= 0xD800 && code_point <= 0xDFFF)) {
    return std::nullopt;
  }
  pos += length;
  return code_point;
}

void AppendCodePoint(std::u16string& out, char32_t code_point) {
  if (code_point < 0x10000) {
    out.push_back(static_cast<char16_t>(code_point));
  } else {
    code_point -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (code_point >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (code_point & 0x3FF)));
  }
}

RegistryType TypeFromNumber(std::uint32_t number) {
  switch (number) {
    case 1:
      return RegistryType::kString;
    case 2:
      return RegistryType::kExpandString;
    case 3:
      return RegistryType::kBinary;
    case 4:
      return RegistryType::kDword;
    case 7:
      return RegistryType::kMultiString;
    default:
      return RegistryType::kOther;
  }
}

bool IsStringType(RegistryType type) {
  return type == RegistryType::kString || type == RegistryType::kExpandString ||
         type == RegistryType::kMultiString;
}

// Drops the terminator that the stored data of a string type carries: one NUL for a string, the
// closing NULs of a multi-string list.
void DropTerminator(RegistryValue& value) {
  if (value.type == RegistryType::kMultiString) {
    while (!value.data.empty() && value.data.back() == '\0') value.data.pop_back();
  } else if (!value.data.empty() && value.data.back() == '\0') {
    value.data.pop_back();
  }
}

std::string Utf16LeBytesToAnsi(std::string_view bytes) {
  std::u16string units;
  units.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    units.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                          (static_cast<unsigned char>(bytes[i + 1]) << 8)));
  }
  return Utf16ToAnsi(units);
}

class Parser {
 public:
  Parser(std::string_view text, const std::string& file_name)
      : text_(text), file_name_(file_name), view_(std::make_shared<MemoryRegistryView>()) {}

  std::shared_ptr<MemoryRegistryView> Run() {
    std::string_view line;
    if (text_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
    if (!NextLine(line) || TrimRight(line) != kSignature) {
      Fail("not a Wine registry file (the first line must be \"" + std::string(kSignature) + "\")");
    }
    while (NextLine(line)) {
      line = TrimLeft(line);
      if (line.empty() || line.front() == ';' || line.front() == '#') continue;
      if (line.front() == '[') {
        ParseKey(line);
      } else if (line.front() == '"' || line.front() == '@') {
        ParseValue(line);
      } else {
        Fail("unrecognised line");
      }
    }
    return view_;
  }

 private:
  [[noreturn]] void Fail(const std::string& reason) const {
    throw ERegistryException("Malformed registry file \"" + file_name_ + "\" at line " +
                             std::to_string(line_number_) + ": " + reason);
  }

  // The next line without its line break; false at the end of the text.
  bool NextLine(std::string_view& line) {
    if (pos_ >= text_.size() && (line_number_ > 0 || !text_.empty())) return false;
    const auto end = text_.find('\n', pos_);
    line = text_.substr(pos_, end == std::string_view::npos ? std::string_view::npos : end - pos_);
    pos_ = end == std::string_view::npos ? text_.size() : end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ++line_number_;
    return true;
  }

  // Reads escaped text from just after an opening character up to `terminator`; moves `pos`
  // past the terminator.
  std::string ReadEscaped(std::string_view line, std::size_t& pos, char terminator) {
    std::u16string units;
    while (true) {
      if (pos >= line.size()) Fail(terminator == '"' ? "unterminated string" : "unterminated key");
      const char c = line[pos];
      if (c == terminator) {
        ++pos;
        return Utf16ToAnsi(units);
      }
      if (c == '\\') {
        if (++pos >= line.size()) Fail("unterminated string");
        const char escaped = line[pos++];
        switch (escaped) {
          case 'a':
            units.push_back(u'\a');
            break;
          case 'b':
            units.push_back(u'\b');
            break;
          case 'e':
            units.push_back(0x1B);
            break;
          case 'f':
            units.push_back(u'\f');
            break;
          case 'n':
            units.push_back(u'\n');
            break;
          case 'v':
            units.push_back(u'\v');
            break;
          case 'r':
            units.push_back(u'\r');
            break;
          case 't':
            units.push_back(u'\t');
            break;
          case '0':
            units.push_back(u'\0');
            break;
          case 'x': {
            const auto unit = ReadHex(line, pos, 4);
            if (!unit) Fail("\\x without hexadecimal digits");
            units.push_back(static_cast<char16_t>(*unit));
            break;
          }
          default:  // "\\", "\"" and any other character stand for themselves.
            units.push_back(static_cast<unsigned char>(escaped));
            break;
        }
      } else if (static_cast<unsigned char>(c) < 0x80) {
        units.push_back(static_cast<char16_t>(c));
        ++pos;
      } else if (const auto code_point = ReadUtf8(line, pos)) {
        AppendCodePoint(units, *code_point);
      } else {  // Not UTF-8: taken as a Latin-1 byte.
        units.push_back(static_cast<unsigned char>(c));
        ++pos;
      }
    }
  }

  void ParseKey(std::string_view line) {
    std::size_t pos = 1;
    std::string key = ReadEscaped(line, pos, ']');
    while (!key.empty() && key.front() == '\\') key.erase(0, 1);
    while (!key.empty() && key.back() == '\\') key.pop_back();
    if (key.empty()) Fail("empty key name");
    view_->AddKey(key);
    key_ = std::move(key);
  }

  void ParseValue(std::string_view line) {
    if (!key_) Fail("value outside of a key");
    std::size_t pos = 0;
    std::string name;
    if (line.front() == '@') {
      pos = 1;
    } else {
      pos = 1;
      name = ReadEscaped(line, pos, '"');
    }
    std::string_view rest = TrimLeft(line.substr(pos));
    if (rest.empty() || rest.front() != '=') Fail("'=' expected after the value name");
    rest = TrimLeft(rest.substr(1));
    view_->SetValue(*key_, name, ParseData(rest));
  }

  RegistryValue ParseData(std::string_view data) {
    RegistryValue value;
    if (!data.empty() && data.front() == '"') {
      value.type = RegistryType::kString;
      value.data = ReadQuotedToEnd(data, 0);
    } else if (data.starts_with("str(")) {
      std::size_t pos = 4;
      const auto number = ReadHex(data, pos, 8);
      if (!number || data.substr(pos, 3) != "):\"") Fail("malformed str(N): value");
      value.type = TypeFromNumber(*number);
      value.data = ReadQuotedToEnd(data, pos + 2);
      if (value.type == RegistryType::kMultiString) DropTerminator(value);
    } else if (data.starts_with("dword:")) {
      std::size_t pos = 6;
      const auto number = ReadHex(data, pos, 8);
      if (!number || !TrimLeft(data.substr(pos)).empty()) {
        Fail("a dword needs 1 to 8 hexadecimal digits");
      }
      value.type = RegistryType::kDword;
      for (int i = 0; i < 4; ++i) value.data.push_back(static_cast<char>(*number >> (8 * i)));
    } else if (data.starts_with("hex:") || data.starts_with("hex(")) {
      std::size_t pos = 3;
      value.type = RegistryType::kBinary;
      if (data[pos] == '(') {
        ++pos;
        const auto number = ReadHex(data, pos, 8);
        if (!number || data.substr(pos, 2) != "):") Fail("malformed hex(N): value");
        value.type = TypeFromNumber(*number);
        ++pos;
      }
      value.data = ParseHexBytes(WithContinuations(data.substr(pos + 1)));
      if (IsStringType(value.type)) {
        value.data = Utf16LeBytesToAnsi(value.data);
        DropTerminator(value);
      }
    } else {
      Fail("unrecognised value data");
    }
    return value;
  }

  // The quoted text that starts at `pos` of `data`, which must end the line.
  std::string ReadQuotedToEnd(std::string_view data, std::size_t pos) {
    ++pos;
    std::string text = ReadEscaped(data, pos, '"');
    if (!TrimLeft(data.substr(pos)).empty()) Fail("unexpected text after the value");
    return text;
  }

  // `first` with the lines it continues through a trailing "\" appended.
  std::string WithContinuations(std::string_view first) {
    std::string joined(TrimRight(first));
    while (!joined.empty() && joined.back() == '\\') {
      joined.pop_back();
      std::string_view next;
      if (!NextLine(next)) Fail("value continued past the end of the file");
      joined += TrimRight(TrimLeft(next));
    }
    return joined;
  }

  std::string ParseHexBytes(std::string_view list) {
    std::string bytes;
    list = TrimRight(TrimLeft(list));
    while (!list.empty()) {
      const auto comma = list.find(',');
      const std::string_view item = TrimRight(TrimLeft(list.substr(0, comma)));
      std::size_t pos = 0;
      const auto byte = ReadHex(item, pos, 2);
      if (!byte || pos != item.size()) Fail("bad byte \"" + std::string(item) + "\" in hex data");
      bytes.push_back(static_cast<char>(*byte));
      if (comma == std::string_view::npos) break;
      list = list.substr(comma + 1);
      if (TrimLeft(list).empty()) Fail("hex data ends with a comma");
    }
    return bytes;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_number_ = 0;
  const std::string& file_name_;
  std::shared_ptr<MemoryRegistryView> view_;
  std::optional<std::string> key_;
};

}  // namespace

std::shared_ptr<MemoryRegistryView> ParseUserReg(std::string_view text,
                                                 const std::string& file_name) {
  return Parser(text, file_name).Run();
}

std::shared_ptr<MemoryRegistryView> LoadUserReg(const std::string& host_path) {
  std::FILE* file = std::fopen(host_path.c_str(), "rb");
  if (file == nullptr) {
    throw ERegistryException("Cannot read registry file \"" + host_path +
                             "\": " + std::strerror(errno));
  }
  std::string text;
  char buffer[65536];
  std::size_t count = 0;
  while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, count);
  const bool failed = std::ferror(file) != 0;
  const int error = errno;
  std::fclose(file);
  if (failed) {
    throw ERegistryException("Cannot read registry file \"" + host_path +
                             "\": " + std::strerror(error));
  }
  return ParseUserReg(text, host_path);
}

}  // namespace brontel::platform
