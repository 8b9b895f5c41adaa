#include "registry/registry_store.h"

#include <cstring>

namespace fennick {

using platform::RegType;
using platform::RegValue;

RegKey& RegKey::operator=(RegKey&& other) noexcept {
  if (this != &other) {
    Close();
    registry_ = other.registry_;
    handle_ = other.handle_;
    other.handle_ = 0;
  }
  return *this;
}

void RegKey::Close() {
  if (handle_ != 0) registry_->CloseKey(handle_);
  handle_ = 0;
}

RegKey RegistryStore::OpenForRead(RegRoot root, const std::string& path) {
  return RegKey(&registry_, registry_.OpenKey(root, path, platform::access::Read));
}

RegKey RegistryStore::OpenForWrite(RegRoot root, const std::string& path) {
  return RegKey(&registry_, registry_.OpenKey(root, path, platform::access::ReadWrite));
}

RegKey RegistryStore::OpenOrCreate(RegRoot root, const std::string& path) {
  return RegKey(&registry_, registry_.CreateKey(root, path, platform::access::All));
}

std::string RegistryStore::GetString(const RegKey& key, const std::string& name) {
  RegValue value;
  if (key.IsNone() || !registry_.QueryValue(key.Handle(), name, value) || value.Type != RegType::Sz) return {};
  std::string text(value.Data.begin(), value.Data.end());
  return text.substr(0, text.find('\0'));
}

std::uint32_t RegistryStore::GetDword(const RegKey& key, const std::string& name) {
  RegValue value;
  if (key.IsNone() || !registry_.QueryValue(key.Handle(), name, value) || value.Type != RegType::Dword ||
      value.Data.size() > 4) {
    return 0;
  }
  std::uint32_t number = 0;
  for (std::size_t i = 0; i < value.Data.size(); ++i) number |= static_cast<std::uint32_t>(value.Data[i]) << (8 * i);
  return number;
}

std::uint32_t RegistryStore::GetBytes(const RegKey& key, const std::string& name, void* buffer,
                                      std::uint32_t bufferSize) {
  RegValue value;
  if (key.IsNone() || !registry_.QueryValue(key.Handle(), name, value)) return 0;
  if (value.Data.size() <= bufferSize && !value.Data.empty()) {
    std::memcpy(buffer, value.Data.data(), value.Data.size());
  }
  return static_cast<std::uint32_t>(value.Data.size());
}

bool RegistryStore::SetString(const RegKey& key, const std::string& name, const std::string& text) {
  if (key.IsNone()) return false;
  return registry_.SetValue(key.Handle(), name, RegValue{RegType::Sz, {text.begin(), text.end()}});
}

bool RegistryStore::SetDword(const RegKey& key, const std::string& name, std::uint32_t number) {
  if (key.IsNone()) return false;
  RegValue value{RegType::Dword, {}};
  for (int i = 0; i < 4; ++i) value.Data.push_back(static_cast<std::uint8_t>(number >> (8 * i)));
  return registry_.SetValue(key.Handle(), name, value);
}

bool RegistryStore::SetBytes(const RegKey& key, const std::string& name, const void* bytes, std::uint32_t byteCount) {
  if (key.IsNone()) return false;
  const auto* begin = static_cast<const std::uint8_t*>(bytes);
  return registry_.SetValue(key.Handle(), name, RegValue{RegType::Binary, {begin, begin + byteCount}});
}

bool RegistryStore::DeleteValue(const RegKey& key, const std::string& name) {
  return !key.IsNone() && registry_.DeleteValue(key.Handle(), name);
}

bool RegistryStore::DeleteKey(RegRoot root, const std::string& path) {
  if (version_.IsWin9xFamily()) return DeleteTree(root, path);
  return registry_.DeleteKey(root, path);
}

// The Windows 95 line deletes a key with its sub-keys; the registry functions
// this program runs on delete one empty key at a time, so walk the tree.
bool RegistryStore::DeleteTree(RegRoot root, const std::string& path) {
  std::vector<std::string> children;
  {
    RegKey key = OpenForRead(root, path);
    ListSubKeys(key, children);
  }
  for (const std::string& child : children) DeleteTree(root, path + "\\" + child);
  return registry_.DeleteKey(root, path);
}

bool RegistryStore::KeyExists(RegRoot root, const std::string& path) { return !OpenForRead(root, path).IsNone(); }

bool RegistryStore::ValueExists(const RegKey& key, const std::string& name) {
  RegValue value;
  return !key.IsNone() && registry_.QueryValue(key.Handle(), name, value);
}

bool RegistryStore::ListSubKeys(const RegKey& key, std::vector<std::string>& names) {
  names.clear();
  return !key.IsNone() && registry_.EnumSubKeys(key.Handle(), names);
}

bool RegistryStore::ListValueNames(const RegKey& key, std::vector<std::string>& names) {
  names.clear();
  return !key.IsNone() && registry_.EnumValueNames(key.Handle(), names);
}

}  // namespace fennick
