#include "platform/win32/win32_registry.h"

#include <windows.h>

#include "platform/win32/unicode.h"

namespace fennick::win32 {

using platform::RegHandle;
using platform::RegRoot;
using platform::RegType;
using platform::RegValue;

namespace {

HKEY RootKey(RegRoot root) { return root == RegRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE; }
HKEY AsKey(RegHandle key) { return reinterpret_cast<HKEY>(key); }
RegHandle AsHandle(HKEY key) { return reinterpret_cast<RegHandle>(key); }
bool IsText(RegType type) { return type == RegType::Sz || type == RegType::ExpandSz; }

// UTF-16 string data as stored, without the terminating NULs, to UTF-8.
std::string TextOf(const std::vector<std::uint8_t>& data) {
  std::size_t count = data.size() / sizeof(wchar_t);
  const auto* chars = reinterpret_cast<const wchar_t*>(data.data());
  while (count > 0 && chars[count - 1] == L'\0') --count;
  return Narrow(chars, count);
}

}  // namespace

RegHandle Win32Registry::OpenKey(RegRoot root, const std::string& path, std::uint32_t accessMask) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(RootKey(root), Widen(path).c_str(), 0, accessMask, &key) != ERROR_SUCCESS) return 0;
  return AsHandle(key);
}

RegHandle Win32Registry::CreateKey(RegRoot root, const std::string& path, std::uint32_t accessMask) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(RootKey(root), Widen(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, accessMask, nullptr,
                      &key, nullptr) != ERROR_SUCCESS) {
    return 0;
  }
  return AsHandle(key);
}

void Win32Registry::CloseKey(RegHandle key) { RegCloseKey(AsKey(key)); }

bool Win32Registry::QueryValue(RegHandle key, const std::string& name, RegValue& value) {
  std::wstring wideName = Widen(name);
  DWORD type = 0;
  DWORD size = 0;
  LONG status = RegQueryValueExW(AsKey(key), wideName.c_str(), nullptr, &type, nullptr, &size);
  std::vector<std::uint8_t> data;
  while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
    data.resize(size);
    status = RegQueryValueExW(AsKey(key), wideName.c_str(), nullptr, &type, data.empty() ? nullptr : data.data(),
                              &size);
    if (status == ERROR_SUCCESS) break;
  }
  if (status != ERROR_SUCCESS) return false;
  data.resize(size);
  value.Type = static_cast<RegType>(type);
  if (IsText(value.Type)) {
    std::string text = TextOf(data);
    value.Data.assign(text.begin(), text.end());
  } else {
    value.Data = std::move(data);
  }
  return true;
}

bool Win32Registry::SetValue(RegHandle key, const std::string& name, const RegValue& value) {
  std::vector<std::uint8_t> data = value.Data;
  if (IsText(value.Type)) {
    std::wstring text = Widen(std::string(value.Data.begin(), value.Data.end()));
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.c_str());
    data.assign(bytes, bytes + (text.size() + 1) * sizeof(wchar_t));
  }
  return RegSetValueExW(AsKey(key), Widen(name).c_str(), 0, static_cast<DWORD>(value.Type),
                        data.empty() ? nullptr : data.data(), static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteValue(RegHandle key, const std::string& name) {
  return RegDeleteValueW(AsKey(key), Widen(name).c_str()) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteKey(RegRoot root, const std::string& path) {
  if (path.empty()) return false;
  return RegDeleteKeyW(RootKey(root), Widen(path).c_str()) == ERROR_SUCCESS;
}

bool Win32Registry::EnumSubKeys(RegHandle key, std::vector<std::string>& names) {
  DWORD longest = 0;
  if (RegQueryInfoKeyW(AsKey(key), nullptr, nullptr, nullptr, nullptr, &longest, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  std::wstring name(longest + 1, L'\0');
  for (DWORD index = 0;; ++index) {
    DWORD length = static_cast<DWORD>(name.size());
    LONG status = RegEnumKeyExW(AsKey(key), index, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_NO_MORE_ITEMS) return true;
    if (status != ERROR_SUCCESS) return false;
    names.push_back(Narrow(name.data(), length));
  }
}

bool Win32Registry::EnumValueNames(RegHandle key, std::vector<std::string>& names) {
  DWORD longest = 0;
  if (RegQueryInfoKeyW(AsKey(key), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longest, nullptr,
                       nullptr, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  std::wstring name(longest + 1, L'\0');
  for (DWORD index = 0;; ++index) {
    DWORD length = static_cast<DWORD>(name.size());
    LONG status = RegEnumValueW(AsKey(key), index, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_NO_MORE_ITEMS) return true;
    if (status != ERROR_SUCCESS) return false;
    names.push_back(Narrow(name.data(), length));
  }
}

}  // namespace fennick::win32
