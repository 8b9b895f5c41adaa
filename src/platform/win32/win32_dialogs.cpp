#include "platform/win32/win32_dialogs.h"

#include "platform/win32/unicode.h"

namespace fennick::win32 {

int Win32Dialogs::ShowMessage(platform::BoxOwner owner, const std::string& text, const std::string& title,
                             std::uint32_t style) {
  HWND window = owner == platform::BoxOwner::ActiveWindow ? GetActiveWindow() : ApplicationWindow;
  return MessageBoxW(window, Widen(text).c_str(), Widen(title).c_str(), style);
}

}  // namespace fennick::win32
