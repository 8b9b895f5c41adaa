// Writing the working settings back and making them take effect at once.
#pragma once

#include "model/main_window.h"
#include "registry/context.h"

namespace fennick {

// Writes the preload list, display names, hotkeys, toggles, chords and Caps
// Lock, reloads the keyboard layouts in the new order, removes catalog entries
// of IMEs whose files are gone, puts the indicator style into effect and loads
// the working settings afresh, so the record shows what the registry holds.
void ApplyWorkingSettings(Context& context, MainWindow& window);

// OK: applies, then asks the main window to close, which ends the program. The
// close request is a mark in the record; the window side closes the real
// window when it sees it, and switch mode simply ends.
void ApplyAndClose(Context& context, MainWindow& window);

}  // namespace fennick
