#pragma once

#include <windows.h>

#include "platform/dialogs.h"

namespace fennick::win32 {

class Win32Dialogs : public platform::Dialogs {
 public:
  int ShowMessage(platform::BoxOwner owner, const std::string& text, const std::string& title,
                 std::uint32_t style) override;
  std::optional<std::string> ChooseFileToOpen(const platform::OpenFileRequest& request) override;

  // The program's application window, owner of its information messages, and
  // its main window, owner of the open-file dialog.
  HWND ApplicationWindow = nullptr;
  HWND MainWindow = nullptr;

 private:
  HWND OwnerWindow(platform::BoxOwner owner) const;
};

}  // namespace fennick::win32
