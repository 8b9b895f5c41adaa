#pragma once

#include <windows.h>

#include "platform/dialogs.h"

namespace fennick::win32 {

class Win32Dialogs : public platform::Dialogs {
 public:
  int ShowMessage(platform::BoxOwner owner, const std::string& text, const std::string& title,
                 std::uint32_t style) override;

  // The program's application window, owner of its information messages.
  HWND ApplicationWindow = nullptr;
};

}  // namespace fennick::win32
