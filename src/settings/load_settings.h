// Filling the working settings, and the controls that show them, from the
// registry and the running system.
#pragma once

#include "model/main_window.h"
#include "registry/context.h"

namespace fennick {

// Rebuilds the working settings from the registry, the running indicator
// programs and the loaded keyboard layouts, and refreshes the preload list and
// AvailableCombo. IndicatorEnabled changes only when no indicator runs;
// AddButton and DeleteButton keep their states.
void LoadWorkingSettings(Context& context, MainWindow& window);

// Fills the layout-handle slots from the system's list of loaded layouts, as
// far as the list goes (at most 30); the other slots hold 0.
void ReadLayoutHandles(Context& context, WorkingSettings& settings);

}  // namespace fennick
