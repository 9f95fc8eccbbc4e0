#include "platform/registry.h"

#include "base/exception.h"
#include "base/strings.h"

namespace brontel::platform {

namespace {

std::string WithoutOuterBackslashes(std::string_view key) {
  while (!key.empty() && key.front() == '\\') key.remove_prefix(1);
  while (!key.empty() && key.back() == '\\') key.remove_suffix(1);
  return std::string(key);
}

}  // namespace

Registry::Registry(std::shared_ptr<RegistryView> view)
    : view_(view ? std::move(view) : RegistryView::Default()) {}

bool Registry::OpenKey(const std::string& key, bool /*can_create*/) {
  // The view is read-only, so a missing key is never made, whatever the caller allows.
  const bool absolute = !key.empty() && key.front() == '\\';
  std::string path = WithoutOuterBackslashes(key);
  if (!absolute && open_ && !current_.empty()) {
    path = path.empty() ? current_ : current_ + "\\" + path;
  }
  if (!view_->KeyExists(path)) return false;
  open_ = true;
  current_ = std::move(path);
  return true;
}

void Registry::CloseKey() {
  open_ = false;
  current_.clear();
}

std::string Registry::ReadString(const std::string& name) const {
  if (!open_) return {};
  const std::optional<RegistryValue> value = view_->Value(current_, name);
  if (!value || value->data.empty()) return {};
  if (value->type != RegistryType::kString && value->type != RegistryType::kExpandString) {
    throw ERegistryException(FormatS("Invalid data type for '%s'", name));
  }
  return value->data.substr(0, value->data.find('\0'));
}

}  // namespace brontel::platform
