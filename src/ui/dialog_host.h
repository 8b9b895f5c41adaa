// The program's two modal dialogs, as the main window's handlers request them.
// The window side shows the real dialog over the main window and turns the
// user's actions into the dialog's handlers until one of them closes it; tests
// answer by script.
#pragma once

#include "model/main_window.h"
#include "registry/context.h"

namespace fennick {

enum class ModalDialog { Hotkey, Keyboard };

class DialogHost {
 public:
  virtual ~DialogHost() = default;

  // Shows the dialog, whose record the caller has prepared, and returns once
  // its result is set; the dialog is hidden again. A dialog that cannot be
  // shown returns at once with no result.
  virtual void RunModal(Context& context, MainWindow& window, ModalDialog dialog) = 0;
};

}  // namespace fennick
