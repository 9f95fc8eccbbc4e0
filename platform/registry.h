// A read-only view of the current user's registry (HKEY_CURRENT_USER) and the accessor the setup
// and backdrop code use on it.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace brontel::platform {

enum class RegistryType { kString, kExpandString, kDword, kBinary, kMultiString, kOther };

struct RegistryValue {
  RegistryType type = RegistryType::kString;
  // Raw data: the text (without a terminating NUL) for the string types, 4 little-endian bytes
  // for a dword, the bytes themselves otherwise; a multi-string's texts are NUL-separated.
  std::string data;
};

// The hive. Key paths are relative to HKEY_CURRENT_USER, "\"-separated, without a leading "\",
// compared without regard to case.
class RegistryView {
 public:
  virtual ~RegistryView() = default;
  // The current user's hive: the Wine prefix's user.reg when there is one, else a built-in hive.
  // Read afresh on each call so tests can point WINEPREFIX at a prefix of their own. Never null.
  // Raises ERegistryException naming the file and line when user.reg is malformed.
  static std::shared_ptr<RegistryView> Default();

  virtual bool KeyExists(const std::string& key) const = 0;
  // The value `name` of `key` ("" is the key's default value), or nullopt when either is absent.
  virtual std::optional<RegistryValue> Value(const std::string& key,
                                             const std::string& name) const = 0;
};

// The framework's registry accessor over HKEY_CURRENT_USER: open one key, read values, close.
class Registry {
 public:
  // Uses RegistryView::Default() when `view` is null, and so raises what it raises (a
  // malformed user.reg).
  explicit Registry(std::shared_ptr<RegistryView> view = nullptr);

  // Opens an existing key: absolute with a leading "\", otherwise relative to the open key.
  // Never creates a key; returns false when it does not exist.
  bool OpenKey(const std::string& key, bool can_create);
  void CloseKey();
  const std::string& CurrentPath() const { return current_; }

  // The text of a string or expandable-string value up to its first NUL, unexpanded; "" when no
  // key is open, the value is missing or its data is empty. Raises ERegistryException
  // ("Invalid data type for '%s'") for a non-empty value of any other type.
  std::string ReadString(const std::string& name) const;

 private:
  std::shared_ptr<RegistryView> view_;
  bool open_ = false;
  std::string current_;
};

}  // namespace brontel::platform
