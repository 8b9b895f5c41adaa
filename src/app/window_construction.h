// The construction of the main window: the start-up sequence up to the message
// loop.
#pragma once

#include "app/program.h"
#include "model/main_window.h"
#include "registry/context.h"

namespace fennick {

// The state the construction leaves before the texts and the first load: the
// Simplified Chinese captions; the text-services radio button is selected when it is created, then the
// legacy-indicator radio button is clicked once, which turns in-place editing
// off and sets the chords to Ctrl+Shift for languages and Alt+Shift for layouts.
void PrepareMainWindow(Context& context, MainWindow& window);

// The start-up sequence in its order: the command line (locale, switch list,
// help box, switch file); the record's initial state, and in window mode the
// real controls, their placement and texts; the load; with arguments the
// switches, ending with the apply and the close request; the duplicate
// clean-up; and a selected row. In switch mode the front end is never called.
void BuildMainWindow(Context& context, MainWindow& window, WindowFrontEnd& frontEnd);

}  // namespace fennick
