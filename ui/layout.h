// The text form of a window layout: one entry per component, in creation order.
//
//   # a comment
//   frmMain: TfrmMain                 the form itself, always the first entry
//     Caption = "Brontel Setup"
//     Bounds = 125, 112, 675, 426
//   WelcomePanel: Panel in frmMain    a component and the control it sits in
//     Width = 295
//     OnClick = btnContinueClick      events name a handler of the form class
//
// An entry starts at the line's first column with "<name>: <class>", followed by
// "in <parent>" for a control inside another one. Its settings follow on indented lines as
// "<setting> = <value>". A value is either one text in double quotes (a quote inside is
// written twice; nothing else is escaped) or a list of words: numbers (decimal, or hex after
// "0x") and names, separated by blanks or commas. Names of entries, classes and settings match
// without regard to case.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/color.h"

namespace brontel::ui {

class LayoutValue {
 public:
  static LayoutValue Quoted(std::string text);
  static LayoutValue Words(std::vector<std::string> words);

  bool IsQuoted() const { return quoted_; }
  // Each accessor raises ELayoutError (without place; the loader adds it) when the value does
  // not have its form.
  const std::string& Text() const;               // one quoted text
  const std::vector<std::string>& List() const;  // the words
  const std::string& Word() const;               // exactly one word
  int Int() const;                               // exactly one number
  std::vector<int> Ints(std::size_t min_count, std::size_t max_count) const;
  bool Bool() const;     // true or false
  TColor Color() const;  // a colour name (clBlue) or a number

 private:
  bool quoted_ = false;
  std::string text_;
  std::vector<std::string> words_;
};

struct LayoutSetting {
  std::string name;
  LayoutValue value;
  int line = 0;
};

struct LayoutEntry {
  std::string name;
  std::string class_name;
  std::string parent;  // empty for the form
  std::vector<LayoutSetting> settings;
  int line = 0;
};

struct Layout {
  std::string source;  // for messages, e.g. "Main.layout"
  std::vector<LayoutEntry> entries;
};

// Parses a layout text. Raises ELayoutError "<source> line <n>: <fault>" for malformed text.
Layout ParseLayout(std::string_view text, std::string source);

// The colour named by `name` (clBlack ... clInfoBk, clNone), matched without regard to case.
// Returns false when the name is unknown.
bool ColorFromName(std::string_view name, TColor& color);

}  // namespace brontel::ui
