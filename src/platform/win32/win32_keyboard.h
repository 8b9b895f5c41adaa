#pragma once

#include "platform/keyboard.h"

namespace fennick::win32 {

class Win32Keyboard : public platform::Keyboard {
 public:
  std::vector<platform::LayoutHandle> LoadedLayouts(int maxCount) override;
  platform::LayoutHandle LoadLayout(const std::string& layoutId, std::uint32_t flags) override;
  bool UnloadLayout(platform::LayoutHandle handle) override;
  platform::LayoutHandle ActivateLayout(platform::LayoutHandle handle, std::uint32_t flags) override;
  bool SetShowImeStatus(bool show) override;
  bool ReloadLanguageToggle() override;
  bool SetDefaultInputLanguage(platform::LayoutHandle handle) override;
};

}  // namespace fennick::win32
