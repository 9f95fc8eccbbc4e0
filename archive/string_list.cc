#include "archive/string_list.h"

namespace brontel {

TStringList::TStringList(std::initializer_list<std::string> lines) {
  for (const auto& line : lines) Add(line);
}

int TStringList::Add(std::string line, std::unique_ptr<TObject> object) {
  lines_.push_back(Line{std::move(line), std::move(object)});
  return Count() - 1;
}

void TStringList::Clear() { lines_.clear(); }

std::vector<std::string> TStringList::Lines() const {
  std::vector<std::string> out;
  out.reserve(lines_.size());
  for (const auto& line : lines_) out.push_back(line.text);
  return out;
}

}  // namespace brontel
