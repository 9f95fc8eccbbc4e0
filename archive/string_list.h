// A list of text lines, each with an optional attached object that the list owns. The archive
// component fills one with entry names (and their per-entry information) and reads one as a
// selection of names.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace brontel {

// Base of the objects a TStringList can carry; owned through the list.
class TObject {
 public:
  virtual ~TObject() = default;
};

class TStringList {
 public:
  TStringList() = default;
  TStringList(std::initializer_list<std::string> lines);
  TStringList(TStringList&&) = default;
  TStringList& operator=(TStringList&&) = default;

  // Appends a line; the list takes `object` (may be null). Returns the new line's index.
  int Add(std::string line, std::unique_ptr<TObject> object = nullptr);
  // Removes every line and frees the attached objects.
  void Clear();

  int Count() const { return static_cast<int>(lines_.size()); }
  // Index must be in 0..Count()-1.
  const std::string& Strings(int index) const { return lines_.at(index).text; }
  // The attached object of a line, or null; owned by the list, valid until the line goes.
  TObject* Objects(int index) const { return lines_.at(index).object.get(); }
  // The lines alone, in order.
  std::vector<std::string> Lines() const;

 private:
  struct Line {
    std::string text;
    std::unique_ptr<TObject> object;
  };
  std::vector<Line> lines_;
};

}  // namespace brontel
