#include "platform/win32/win32_keyboard.h"

#include <windows.h>

#include "platform/win32/layout_handles.h"
#include "platform/win32/unicode.h"

namespace fennick::win32 {

using platform::LayoutHandle;

std::vector<LayoutHandle> Win32Keyboard::LoadedLayouts(int maxCount) {
  std::vector<HKL> buffer(static_cast<std::size_t>(maxCount > 0 ? maxCount : 0));
  int count = buffer.empty() ? 0 : GetKeyboardLayoutList(maxCount, buffer.data());
  std::vector<LayoutHandle> handles;
  for (int i = 0; i < count; ++i) handles.push_back(FromHkl(buffer[static_cast<std::size_t>(i)]));
  return handles;
}

LayoutHandle Win32Keyboard::LoadLayout(const std::string& layoutId, std::uint32_t flags) {
  return FromHkl(LoadKeyboardLayoutW(Widen(layoutId).c_str(), flags));
}

bool Win32Keyboard::UnloadLayout(LayoutHandle handle) { return UnloadKeyboardLayout(ToHkl(handle)) != FALSE; }

LayoutHandle Win32Keyboard::ActivateLayout(LayoutHandle handle, std::uint32_t flags) {
  return FromHkl(ActivateKeyboardLayout(ToHkl(handle), flags));
}

bool Win32Keyboard::SetShowImeStatus(bool show) {
  return SystemParametersInfoW(SPI_SETSHOWIMEUI, show ? 1 : 0, nullptr, SPIF_UPDATEINIFILE) != FALSE;
}

bool Win32Keyboard::ReloadLanguageToggle() {
  return SystemParametersInfoW(SPI_SETLANGTOGGLE, 0, nullptr, SPIF_SENDCHANGE) != FALSE;
}

bool Win32Keyboard::SetDefaultInputLanguage(LayoutHandle handle) {
  HKL hkl = ToHkl(handle);
  return SystemParametersInfoW(SPI_SETDEFAULTINPUTLANG, 0, &hkl, SPIF_SENDCHANGE) != FALSE;
}

}  // namespace fennick::win32
