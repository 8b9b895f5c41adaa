// The hotkey editor: the dialog's rules on its record (window.HotkeyEditor),
// and the two main-window actions that open it for a row of the preload list
// and for the chosen IME toggle.
#pragma once

#include <string>

#include "model/main_window.h"
#include "registry/context.h"
#include "ui/dialog_host.h"

namespace fennick {

// The dialog as it is created once at start: its texts in the window's
// UiLanguage, Tahoma 11 on Windows NT, 2000, XP and Vista and later (12 on
// Server 2003 and the Windows 95 line), the key names, both side boxes checked.
void CreateHotkeyDialog(Context& context, MainWindow& window);

// Sets the modifier boxes, the side boxes and the key choice from a Modifiers
// and a VirtualKey text. An empty Modifiers clears all five boxes; a code the
// boxes cannot show leaves them as they are. A hotkey with a key checks the
// enable box; a key without a name leaves the key choice as it is.
void LoadHotkey(HotkeyDialog& dialog, const std::string& modifiers, const std::string& virtualKey);

// The rule run whenever the dialog is shown and whenever the enable box is
// clicked: with the box cleared, the modifier and side boxes are cleared, the
// key choice goes to "None", and these and the plus label are disabled; with
// the box checked they are enabled.
void ApplyEnableRule(HotkeyDialog& dialog);

// --- The user's input, as the dialog reports it ---

// A check box was clicked; `checked` is its new state. Checking the enable box
// also checks both side boxes.
void HotkeyBoxClicked(MainWindow& window, HotkeyControl box, bool checked);
void HotkeyKeyChosen(MainWindow& window, int index);
// OK: the hotkey the boxes and the key choice make (none without a modifier,
// without a side, with the key "None" or with the enable box cleared), tested
// against the hotkeys of the other rows and of every offered toggle; a
// duplicate is reported and rejected. Closes the dialog.
void HotkeyDialogOk(Context& context, MainWindow& window);
// Cancel, Escape or the frame's close box.
void HotkeyDialogCancel(MainWindow& window);

// The two texts a result code stands for: "0000" + side and modifier code, and
// "000000" + key code; empty for no hotkey.
std::string ResultModifiers(const HotkeyDialog& dialog);
std::string ResultVirtualKey(const HotkeyDialog& dialog);

// --- Main-window actions ---

// HotkeyButton, and a double click outside the list's first column: edits the
// hotkey of the selected row. On OK a new hotkey is recorded for the row (its
// first record overwritten, or a new record appended), no hotkey removes the
// row's first record, and the row shows the new label. Nothing happens without
// a selected row.
void EditRowHotkey(Context& context, MainWindow& window, DialogHost& host);

// ToggleHotkeyButton: edits the toggle chosen in ToggleCombo. A toggle without
// a hotkey opens with the enable box cleared. On OK with the box cleared the
// toggle loses its hotkey; a new hotkey is taken unless a row (the selected
// one included) or another toggle has it.
void EditOtherToggle(Context& context, MainWindow& window, DialogHost& host);

}  // namespace fennick
