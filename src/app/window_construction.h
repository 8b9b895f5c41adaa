// The state the main window's construction leaves, before the first load.
#pragma once

#include "model/main_window.h"
#include "registry/context.h"

namespace fennick {

// The lists' fixed items, and the style the construction chooses: the
// text-services radio button is selected when it is created, then the
// legacy-indicator radio button is clicked once, which turns in-place editing
// off and sets the chords to Ctrl+Shift for languages and Alt+Shift for layouts.
void PrepareMainWindow(Context& context, MainWindow& window);

}  // namespace fennick
