// The only way the settings logic reaches the registry. A key that cannot be
// opened is "none": every operation accepts it, does nothing and gives its
// empty result. Nothing here reports to the user or stops the caller.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/windows_version.h"
#include "platform/registry.h"

namespace fennick {

using platform::RegRoot;

// An open key, closed when it goes out of scope; may be none.
class RegKey {
 public:
  RegKey() = default;
  RegKey(platform::Registry* registry, platform::RegHandle handle) : registry_(registry), handle_(handle) {}
  RegKey(RegKey&& other) noexcept : registry_(other.registry_), handle_(other.handle_) { other.handle_ = 0; }
  RegKey& operator=(RegKey&& other) noexcept;
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;
  ~RegKey() { Close(); }

  bool IsNone() const { return handle_ == 0; }
  platform::RegHandle Handle() const { return handle_; }
  void Close();

 private:
  platform::Registry* registry_ = nullptr;
  platform::RegHandle handle_ = 0;
};

class RegistryStore {
 public:
  RegistryStore(platform::Registry& registry, const WindowsVersion& version)
      : registry_(registry), version_(version) {}

  RegKey OpenForRead(RegRoot root, const std::string& path);   // existing key, read access
  RegKey OpenForWrite(RegRoot root, const std::string& path);  // existing key, read and write access
  RegKey OpenOrCreate(RegRoot root, const std::string& path);  // full access, creating missing keys
  void Close(RegKey& key) { key.Close(); }

  // Text of a REG_SZ value (up to its first NUL); empty for a missing value or any other type.
  std::string GetString(const RegKey& key, const std::string& name);
  // Number of a REG_DWORD value; 0 for a missing value or any other type.
  std::uint32_t GetDword(const RegKey& key, const std::string& name);
  // Copies the value's data, whatever its type, when it fits into the buffer;
  // leaves the buffer untouched otherwise. Gives the value's size in bytes.
  std::uint32_t GetBytes(const RegKey& key, const std::string& name, void* buffer, std::uint32_t bufferSize);

  bool SetString(const RegKey& key, const std::string& name, const std::string& text);
  bool SetDword(const RegKey& key, const std::string& name, std::uint32_t number);
  bool SetBytes(const RegKey& key, const std::string& name, const void* bytes, std::uint32_t byteCount);
  bool DeleteValue(const RegKey& key, const std::string& name);
  // On the NT family a key with sub-keys stays and the result is failure; on the
  // Windows 95 line the key goes with all its sub-keys.
  bool DeleteKey(RegRoot root, const std::string& path);

  bool KeyExists(RegRoot root, const std::string& path);
  bool ValueExists(const RegKey& key, const std::string& name);
  // Empty the list, then append every name in the registry's enumeration order.
  bool ListSubKeys(const RegKey& key, std::vector<std::string>& names);
  bool ListValueNames(const RegKey& key, std::vector<std::string>& names);

  const WindowsVersion& Version() const { return version_; }

 private:
  bool DeleteTree(RegRoot root, const std::string& path);

  platform::Registry& registry_;
  WindowsVersion version_;
};

}  // namespace fennick
