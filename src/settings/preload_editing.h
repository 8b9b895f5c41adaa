// Editing the preload list between a load and an apply: adding an entry from
// the available list, removing one back into it, moving one up or down, and
// giving one a new display name. Only the working settings and the controls
// that show them change; nothing reaches the registry.
#pragma once

#include <optional>
#include <string>

#include "model/main_window.h"
#include "registry/context.h"

namespace fennick {

// Appends the current item of AvailableCombo to the preload list.
void AddEntry(Context& context, MainWindow& window);
// Hands the selected entry back to the end of the available list.
void RemoveEntry(Context& context, MainWindow& window);
void MoveEntryUp(Context& context, MainWindow& window);
void MoveEntryDown(Context& context, MainWindow& window);
// Drops entry `index` of the available list with its AvailableCombo item. The
// current item stays on its entry; none when that entry was the one dropped.
void RemoveAvailableEntry(MainWindow& window, std::size_t index);
// Exchanges two entries with their rows and their layout-handle slots.
void SwapEntries(Context& context, MainWindow& window, std::size_t a, std::size_t b);
// The end of an in-place edit of a row's name (no text: the edit was
// cancelled). True when the new name is taken; false when the row keeps its
// text.
bool RenameEntry(MainWindow& window, std::size_t row, const std::optional<std::string>& text);

}  // namespace fennick
