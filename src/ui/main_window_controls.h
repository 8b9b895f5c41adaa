// The record of a control of the main window, found by its id.
#pragma once

#include "model/main_window.h"

namespace fennick {

// The presentation record (enabled state, caption) of a control; null for the
// ids that have none: the tab control, its pages and the status bar.
Control* FindControl(MainWindow& window, ControlId id);
const Control* FindControl(const MainWindow& window, ControlId id);

}  // namespace fennick
