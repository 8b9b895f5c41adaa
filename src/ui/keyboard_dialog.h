// The keyboard-layout chooser: which plain keyboard layout the selected input
// locale types through ("Layout File" of its catalog entry), changed at once,
// without waiting for OK or Apply in the main window. Works on the dialog's
// record, window.KeyboardChooser.
#pragma once

#include "model/main_window.h"
#include "registry/context.h"
#include "ui/dialog_host.h"

namespace fennick {

// The dialog as it is created once at start: texts in the window's UiLanguage,
// Tahoma 11 on the NT family except Server 2003 (12 there and on the Windows 95
// line), and the list of layouts it offers, built now and kept for the run:
// 00000409 first, then every catalog entry in the registry's order except
// 00000404, 00000804, 00000409 and the IMEs.
void CreateKeyboardDialog(Context& context, MainWindow& window);

// KeyboardButton: shows the dialog for the selected row (with an empty list,
// for no input locale). Whenever it is shown the current box names the layout
// the input locale uses now: the first offered layout with the same file, else
// the file itself; the layout choice keeps what the last use chose.
void ChooseKeyboard(Context& context, MainWindow& window, DialogHost& host);

// --- The user's input, as the dialog reports it ---

void KeyboardLayoutChosen(MainWindow& window, int index);
// OK: writes the chosen layout's file as the input locale's "Layout file" at
// once and closes. Before any layout was chosen, or without an input locale,
// it closes without writing.
void KeyboardDialogOk(Context& context, MainWindow& window);
// Cancel, Escape or the frame's close box: closes without writing.
void KeyboardDialogCancel(MainWindow& window);

}  // namespace fennick
