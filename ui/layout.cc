#include "ui/layout.h"

#include <charconv>
#include <cstdint>

#include "base/strings.h"
#include "ui/exceptions.h"

namespace brontel::ui {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (IsBlank(s.front()) || s.front() == '\r')) s.remove_prefix(1);
  while (!s.empty() && (IsBlank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

bool IsName(std::string_view s) {
  if (s.empty()) return false;
  auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
  if (!letter(s.front())) return false;
  for (char c : s) {
    if (!letter(c) && !(c >= '0' && c <= '9') && c != '.') return false;
  }
  return true;
}

std::vector<std::string> SplitWords(std::string_view s) {
  std::vector<std::string> words;
  std::string word;
  for (char c : s) {
    if (IsBlank(c) || c == ',') {
      if (!word.empty()) words.push_back(std::move(word));
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.empty()) words.push_back(std::move(word));
  return words;
}

LayoutValue ParseValue(std::string_view text) {
  if (text.empty()) throw ELayoutError("missing value");
  if (text.front() != '"') return LayoutValue::Words(SplitWords(text));
  std::string out;
  std::size_t i = 1;
  for (;;) {
    if (i >= text.size()) throw ELayoutError("text without closing quote");
    char c = text[i++];
    if (c == '"') {
      if (i < text.size() && text[i] == '"') {
        out += '"';
        ++i;
        continue;
      }
      break;
    }
    out += c;
  }
  if (!Trim(text.substr(i)).empty()) throw ELayoutError("characters after the closing quote");
  return LayoutValue::Quoted(std::move(out));
}

struct NamedColor {
  const char* name;
  TColor color;
};

constexpr NamedColor kColors[] = {
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clPurple", clPurple},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
    {"clNone", clNone},
    {"clScrollBar", clScrollBar},
    {"clBackground", clBackground},
    {"clActiveCaption", clActiveCaption},
    {"clInactiveCaption", clInactiveCaption},
    {"clMenu", clMenu},
    {"clWindow", clWindow},
    {"clWindowFrame", clWindowFrame},
    {"clMenuText", clMenuText},
    {"clWindowText", clWindowText},
    {"clCaptionText", clCaptionText},
    {"clActiveBorder", clActiveBorder},
    {"clInactiveBorder", clInactiveBorder},
    {"clAppWorkSpace", clAppWorkSpace},
    {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText},
    {"clBtnFace", clBtnFace},
    {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText},
    {"clBtnText", clBtnText},
    {"clInactiveCaptionText", clInactiveCaptionText},
    {"clBtnHighlight", clBtnHighlight},
    {"cl3DDkShadow", cl3DDkShadow},
    {"cl3DLight", cl3DLight},
    {"clInfoText", clInfoText},
    {"clInfoBk", clInfoBk},
};

// A number word: decimal with an optional minus, or hexadecimal after "0x". Fits 32 bits
// (hexadecimal as unsigned, so colours such as 0x80000005 read as written).
bool ParseNumber(const std::string& word, std::int64_t& value) {
  std::string_view s = word;
  bool negative = false;
  int base = 10;
  if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    s.remove_prefix(2);
    base = 16;
  } else if (!s.empty() && s[0] == '-') {
    negative = true;
    s.remove_prefix(1);
  }
  if (s.empty()) return false;
  std::uint64_t magnitude = 0;
  auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), magnitude, base);
  if (error != std::errc() || end != s.data() + s.size()) return false;
  if (magnitude > (base == 16 ? 0xFFFFFFFFull : 0x7FFFFFFFull + (negative ? 1 : 0))) return false;
  value = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
  return true;
}

}  // namespace

LayoutValue LayoutValue::Quoted(std::string text) {
  LayoutValue v;
  v.quoted_ = true;
  v.text_ = std::move(text);
  return v;
}

LayoutValue LayoutValue::Words(std::vector<std::string> words) {
  LayoutValue v;
  v.words_ = std::move(words);
  return v;
}

const std::string& LayoutValue::Text() const {
  if (!quoted_) throw ELayoutError("expected a text in double quotes");
  return text_;
}

const std::vector<std::string>& LayoutValue::List() const {
  if (quoted_) throw ELayoutError("expected words, not a quoted text");
  return words_;
}

const std::string& LayoutValue::Word() const {
  if (quoted_ || words_.size() != 1) throw ELayoutError("expected one word");
  return words_.front();
}

int LayoutValue::Int() const {
  std::int64_t value = 0;
  if (!ParseNumber(Word(), value)) throw ELayoutError("'" + Word() + "' is not a number");
  return static_cast<int>(static_cast<std::uint32_t>(value));
}

std::vector<int> LayoutValue::Ints(std::size_t min_count, std::size_t max_count) const {
  const std::vector<std::string>& words = List();
  if (words.size() < min_count || words.size() > max_count) {
    throw ELayoutError("expected " + std::to_string(min_count) +
                       (max_count != min_count ? " to " + std::to_string(max_count) : "") +
                       " numbers");
  }
  std::vector<int> out;
  for (const std::string& word : words) {
    std::int64_t value = 0;
    if (!ParseNumber(word, value)) throw ELayoutError("'" + word + "' is not a number");
    out.push_back(static_cast<int>(static_cast<std::uint32_t>(value)));
  }
  return out;
}

bool LayoutValue::Bool() const {
  const std::string& word = Word();
  if (EqualsIgnoreCaseAscii(word, "true")) return true;
  if (EqualsIgnoreCaseAscii(word, "false")) return false;
  throw ELayoutError("expected true or false, not '" + word + "'");
}

TColor LayoutValue::Color() const {
  const std::string& word = Word();
  TColor color = 0;
  if (ColorFromName(word, color)) return color;
  std::int64_t value = 0;
  if (!ParseNumber(word, value)) throw ELayoutError("'" + word + "' is not a colour");
  return static_cast<TColor>(value);
}

bool ColorFromName(std::string_view name, TColor& color) {
  for (const NamedColor& named : kColors) {
    if (EqualsIgnoreCaseAscii(name, named.name)) {
      color = named.color;
      return true;
    }
  }
  return false;
}

Layout ParseLayout(std::string_view text, std::string source) {
  Layout layout;
  layout.source = std::move(source);
  int line_number = 0;
  auto fail = [&](const std::string& fault) {
    throw ELayoutError(layout.source + " line " + std::to_string(line_number) + ": " + fault);
  };
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view raw = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++line_number;
    std::string_view line = Trim(raw);
    if (line.empty() || line.front() == '#') continue;

    if (!IsBlank(raw.front())) {
      std::size_t colon = line.find(':');
      if (colon == std::string_view::npos) fail("expected '<name>: <class>'");
      LayoutEntry entry;
      entry.line = line_number;
      entry.name = std::string(Trim(line.substr(0, colon)));
      std::vector<std::string> rest = SplitWords(line.substr(colon + 1));
      if (!IsName(entry.name)) fail("'" + entry.name + "' is not a name");
      if (rest.size() == 1 || (rest.size() == 3 && EqualsIgnoreCaseAscii(rest[1], "in"))) {
        entry.class_name = rest[0];
        if (rest.size() == 3) entry.parent = rest[2];
      } else {
        fail("expected '<name>: <class>' or '<name>: <class> in <parent>'");
      }
      if (!IsName(entry.class_name) || (!entry.parent.empty() && !IsName(entry.parent))) {
        fail("malformed class or parent name");
      }
      layout.entries.push_back(std::move(entry));
      continue;
    }

    if (layout.entries.empty()) fail("a setting before the first entry");
    std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) fail("expected '<setting> = <value>'");
    LayoutSetting setting;
    setting.line = line_number;
    setting.name = std::string(Trim(line.substr(0, equals)));
    if (!IsName(setting.name)) fail("'" + setting.name + "' is not a setting name");
    try {
      setting.value = ParseValue(Trim(line.substr(equals + 1)));
    } catch (const ELayoutError& e) {
      fail(e.Message());
    }
    layout.entries.back().settings.push_back(std::move(setting));
  }
  return layout;
}

}  // namespace brontel::ui
