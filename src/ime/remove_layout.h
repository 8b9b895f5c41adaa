// Deleting catalog entries: the Advanced page's removal with its confirmation,
// and the deletion itself, which the uninstall switches share.
#pragma once

#include <cstddef>

#include "model/main_window.h"
#include "registry/context.h"

namespace fennick {

// Deletes the catalog key of available entry `index` at once (a failed deletion
// goes unnoticed), drops the entry with its AvailableCombo item and makes the
// first item the current one (none when the list is now empty).
void DeleteAvailableLayout(Context& context, MainWindow& window, std::size_t index);

// RemoveButton: asks whether the current AvailableCombo entry should be deleted
// from the catalog, naming its LayoutId, its shown name and its IME file; on OK
// deletes it. RemoveNameBox then shows the new current item, and RemoveButton
// is enabled exactly when that item is an IME. Nothing is applied or reloaded.
void RemoveCatalogEntry(Context& context, MainWindow& window);

}  // namespace fennick
