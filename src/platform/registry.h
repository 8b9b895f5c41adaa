// The registry as the operating system offers it: keys opened with an access
// mask, typed values, non-recursive key deletion. RegistryStore builds the
// program's rules on top of this; the Win32 layer and the in-memory Windows
// implement it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fennick::platform {

enum class RegRoot { CurrentUser, LocalMachine };

// Registry value types, numbered as Windows numbers them.
enum class RegType : std::uint32_t {
  None = 0,
  Sz = 1,
  ExpandSz = 2,
  Binary = 3,
  Dword = 4,
  DwordBigEndian = 5,
  Link = 6,
  MultiSz = 7,
};

// Access rights the program asks for, as Windows defines them.
namespace access {
constexpr std::uint32_t QueryValue = 0x0001;
constexpr std::uint32_t SetValue = 0x0002;
constexpr std::uint32_t CreateSubKey = 0x0004;
constexpr std::uint32_t EnumerateSubKeys = 0x0008;
constexpr std::uint32_t Read = 0x20019;       // KEY_READ
constexpr std::uint32_t ReadWrite = 0x2001F;  // KEY_READ | KEY_WRITE
constexpr std::uint32_t All = 0xF003F;        // KEY_ALL_ACCESS
}  // namespace access

// An open key; 0 is no key.
using RegHandle = std::uintptr_t;

// A value's type and data. REG_SZ and REG_EXPAND_SZ data are UTF-8 without a
// terminating NUL (the Win32 layer converts from and to UTF-16); every other
// type carries its bytes as stored.
struct RegValue {
  RegType Type = RegType::None;
  std::vector<std::uint8_t> Data;
};

class Registry {
 public:
  virtual ~Registry() = default;

  // Opens an existing key; 0 when it is missing or the access is refused.
  virtual RegHandle OpenKey(RegRoot root, const std::string& path, std::uint32_t accessMask) = 0;
  // Opens a key, creating it and every missing key on its path; 0 on failure.
  virtual RegHandle CreateKey(RegRoot root, const std::string& path, std::uint32_t accessMask) = 0;
  virtual void CloseKey(RegHandle key) = 0;

  virtual bool QueryValue(RegHandle key, const std::string& name, RegValue& value) = 0;
  virtual bool SetValue(RegHandle key, const std::string& name, const RegValue& value) = 0;
  virtual bool DeleteValue(RegHandle key, const std::string& name) = 0;
  // Removes a key that has no sub-keys; a key with sub-keys stays and the result
  // is failure, as on the NT family.
  virtual bool DeleteKey(RegRoot root, const std::string& path) = 0;

  // Names of the sub-keys, in the order the registry enumerates them.
  virtual bool EnumSubKeys(RegHandle key, std::vector<std::string>& names) = 0;
  virtual bool EnumValueNames(RegHandle key, std::vector<std::string>& names) = 0;
};

const char* RootName(RegRoot root);  // "HKCU" or "HKLM"

}  // namespace fennick::platform
