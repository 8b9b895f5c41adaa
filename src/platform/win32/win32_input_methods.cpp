#include "platform/win32/win32_input_methods.h"

#include <windows.h>
#include <imm.h>

#include "platform/win32/layout_handles.h"
#include "platform/win32/unicode.h"

namespace fennick::win32 {

platform::LayoutHandle Win32InputMethods::InstallIme(const std::string& imeFile, const std::string& layoutText) {
  std::wstring file = Widen(imeFile);
  std::wstring text = Widen(layoutText);
  return FromHkl(ImmInstallIMEW(file.c_str(), text.c_str()));
}

bool Win32InputMethods::ConfigureIme(platform::LayoutHandle handle) {
  return ImmConfigureIMEW(ToHkl(handle), GetActiveWindow(), IME_CONFIG_GENERAL, nullptr) != FALSE;
}

}  // namespace fennick::win32
