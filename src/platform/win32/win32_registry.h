// The registry through the W functions.
#pragma once

#include "platform/registry.h"

namespace fennick::win32 {

class Win32Registry : public platform::Registry {
 public:
  platform::RegHandle OpenKey(platform::RegRoot root, const std::string& path, std::uint32_t accessMask) override;
  platform::RegHandle CreateKey(platform::RegRoot root, const std::string& path, std::uint32_t accessMask) override;
  void CloseKey(platform::RegHandle key) override;
  bool QueryValue(platform::RegHandle key, const std::string& name, platform::RegValue& value) override;
  bool SetValue(platform::RegHandle key, const std::string& name, const platform::RegValue& value) override;
  bool DeleteValue(platform::RegHandle key, const std::string& name) override;
  bool DeleteKey(platform::RegRoot root, const std::string& path) override;
  bool EnumSubKeys(platform::RegHandle key, std::vector<std::string>& names) override;
  bool EnumValueNames(platform::RegHandle key, std::vector<std::string>& names) override;
};

}  // namespace fennick::win32
