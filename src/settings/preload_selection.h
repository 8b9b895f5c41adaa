// The selected row of the preload list and what follows from it.
#pragma once

#include "model/main_window.h"
#include "registry/context.h"

namespace fennick {

// UpButton unless the first row is selected, DownButton unless the last is,
// PropertiesButton only for an IME.
void UpdateRowButtons(MainWindow& window);

// Selects a row (-1: none) and does what a change of selection does: the row
// buttons follow, the status line describes the row (and is emptied when no
// row is selected), the list takes the focus.
// Every selection the program makes goes through here, so the buttons always
// match the selected row.
void SelectPreloadRow(Context& context, MainWindow& window, int row);

// A click on the list, and the end of start-up: when no row is selected and
// the list has rows, the last row becomes the selected one.
void EnsureRowSelected(Context& context, MainWindow& window);

}  // namespace fennick
