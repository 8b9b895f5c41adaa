#include "app/program.h"

#include "cli/command_line.h"
#include "ui/texts.h"

namespace fennick {

int RunProgram(Context& context, WindowFrontEnd& frontEnd) {
  MainWindow window;
  CommandLineStep(context, window);
  ApplyUiTexts(context, window);
  // Window mode: no argument at all. Any argument, even one that yields no
  // switch, selects switch mode, which never shows the window.
  if (window.ArgumentCount == 0) frontEnd.RunWindow(context, window);
  return 0;
}

}  // namespace fennick
