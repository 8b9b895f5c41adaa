#pragma once

#include "platform/system_info.h"

namespace fennick::win32 {

class Win32System : public platform::SystemInfo {
 public:
  std::uint32_t DefaultLocale() override;
  std::uint32_t VersionValue() override;
  std::string CommandLine() override;
  std::string ExecutablePath() override;
  std::string SystemDirectory() override;
  std::string WindowsDirectory() override;
  std::string ExpandEnvironment(const std::string& text) override;
};

}  // namespace fennick::win32
