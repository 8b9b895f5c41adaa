// Switch mode: each switch item changes the working settings with the same
// operations the window's controls use; the result is applied once at the end.
#pragma once

#include <string>

#include "model/main_window.h"
#include "registry/context.h"

namespace fennick {

// Carries out one item of the switch list. The item is trimmed and recognised
// by its leading word, ignoring the letter case of ASCII letters; an item that
// names no switch does nothing. Uninstall switches delete catalog keys at once,
// and an install applies, installs and reloads; everything else changes only
// the window record.
void RunSwitch(Context& context, MainWindow& window, const std::string& item);

// Runs the window's switch list from first to last, each switch seeing what
// the earlier ones left, then ApplyAndClose. Nothing is reported.
void ExecuteSwitches(Context& context, MainWindow& window);

}  // namespace fennick
