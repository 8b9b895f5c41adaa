#include "app/program.h"

#include "app/window_construction.h"
#include "ui/hotkey_dialog.h"
#include "ui/keyboard_dialog.h"

namespace fennick {

int RunProgram(Context& context, WindowFrontEnd& frontEnd) {
  MainWindow window;
  return RunProgram(context, frontEnd, window);
}

int RunProgram(Context& context, WindowFrontEnd& frontEnd, MainWindow& window) {
  BuildMainWindow(context, window, frontEnd);
  // Switch mode ends with the close request its final apply made: the window
  // was never created, so nothing was ever visible.
  if (window.CloseRequested) return 0;
  // The two dialogs, once, after the main window.
  CreateHotkeyDialog(context, window);
  CreateKeyboardDialog(context, window);
  frontEnd.RunWindow(context, window);
  return 0;
}

}  // namespace fennick
