#pragma once

#include "platform/input_methods.h"

namespace fennick::win32 {

class Win32InputMethods : public platform::InputMethods {
 public:
  platform::LayoutHandle InstallIme(const std::string& imeFile, const std::string& layoutText) override;
  bool ConfigureIme(platform::LayoutHandle handle) override;
};

}  // namespace fennick::win32
