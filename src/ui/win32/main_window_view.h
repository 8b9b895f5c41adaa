// The main window on screen.
#pragma once

#include <windows.h>

#include "app/program.h"
#include "platform/win32/win32_dialogs.h"

namespace fennick::win32 {

class MainWindowView : public WindowFrontEnd {
 public:
  MainWindowView(HINSTANCE instance, Win32Dialogs& dialogs) : instance_(instance), dialogs_(dialogs) {}
  void RunWindow(Context& context, MainWindow& window) override;

 private:
  HINSTANCE instance_;
  Win32Dialogs& dialogs_;
};

}  // namespace fennick::win32
