// The program from entry to end, in either run mode.
#pragma once

#include "model/main_window.h"
#include "registry/context.h"

namespace fennick {

// The real window: shows the record as a window and runs the message loop until
// the window closes. Switch mode never needs one.
class WindowFrontEnd {
 public:
  virtual ~WindowFrontEnd() = default;
  virtual void RunWindow(Context& context, MainWindow& window) = 0;
};

// Builds the window record through the start-up sequence; in window mode hands
// it to the front end. The exit code is always 0.
int RunProgram(Context& context, WindowFrontEnd& frontEnd);

}  // namespace fennick
