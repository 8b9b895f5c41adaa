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

}  // namespace fennick
