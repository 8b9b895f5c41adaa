// What the main window's events do, on the window record. The Win32 view turns
// window messages into these calls and then shows the record; nothing here
// touches a window, and nothing writes to the registry.
#pragma once

#include <optional>
#include <string>

#include "model/main_window.h"
#include "registry/context.h"
#include "ui/dialog_host.h"

namespace fennick {

// --- PreloadListView ---

// The user selected a row (-1: none): see SelectPreloadRow.
void RowSelectionChanged(Context& context, MainWindow& window, int selected);
// The pointer moved over the list: rows are counted in steps of 17 pixels from
// the top of the first row; the status bar describes the row under the pointer,
// or is emptied below the last row.
void ShowRowHoverText(Context& context, MainWindow& window, int pointerY, int firstRowTop);

// A double click opens the IME's properties within the first column (as wide
// as that column, measured from the left edge of the first row) and the
// hotkey editor elsewhere.
enum class RowCommand { Properties, Hotkey };
RowCommand DoubleClickCommand(int pointerX, int firstRowLeft, int firstColumnWidth);
// A double click on the list: the command of the column under the pointer, on
// the selected row.
void RowDoubleClicked(Context& context, MainWindow& window, DialogHost& dialogs, int pointerX, int firstRowLeft,
                      int firstColumnWidth);

// The end of an in-place edit of a row's name (no text: the edit was
// cancelled). RenameEntry decides; a rejected edit leaves the row's text.
void LabelEdited(Context& context, MainWindow& window, int row, const std::optional<std::string>& text);

// The settings dialog of the selected row's IME, opened through the layout
// handle at the row's position as the last load read it. Nothing happens
// without a selected row, beyond the 31 handle slots, or where the slot holds
// no handle; the dialog's own result is ignored and nothing is reloaded.
void ShowImeProperties(Context& context, MainWindow& window);

// --- AvailableCombo ---

// The current item (selection change, or the pointer over the list): the
// status bar names it with its id and IME file, RemoveNameBox shows it and
// RemoveButton is enabled exactly for an IME. Without a current item only
// RemoveButton is disabled.
void ShowAvailableEntry(Context& context, MainWindow& window);

// --- General page ---

// A click on IndicatorEnableCheck, with the box's new state: the style group
// and both style radios follow it; from Windows Vista on text services are
// chosen and the legacy radio stays disabled.
void IndicatorEnableClicked(Context& context, MainWindow& window, bool checked);
// A click on either style radio: it becomes the chosen style; in-place
// renaming is possible under text services only; the chords follow the style;
// AvailableCombo and the list's first column show the style's names, and
// AvailableCombo is left without a current item.
void StyleRadioClicked(Context& context, MainWindow& window, Indicator style);

// --- Other page ---

// Another toggle chosen in ToggleCombo: the button shows its hotkey and the
// status bar says which toggle has which hotkey.
void ChooseToggle(Context& context, MainWindow& window, int slot);
// The pointer over ToggleCombo or ToggleHotkeyButton.
void ShowToggleText(Context& context, MainWindow& window);

// --- Advanced page ---

// Either install field changed, or the page was shown or clicked: InstallButton
// is enabled when both fields hold text (never from Windows Vista on) and
// disabled when either is empty; RemoveNameBox shows the current available
// entry; the status bar is emptied.
void ApplyInstallFieldRule(Context& context, MainWindow& window);
// BrowseButton: the open-file dialog for IME files, starting in the system
// directory with the file confirmed the last time. A confirmed file goes into
// InstallFileEdit and its description into InstallNameEdit; a cancel changes
// neither field and forgets the last file.
void BrowseImeFile(Context& context, MainWindow& window);
// The pointer over RemoveNameBox moves the keyboard focus to AvailableCombo.
void RemoveNameBoxHovered(Context& context, MainWindow& window);

// A page of SettingsTabs was shown: the General and Other pages empty the
// status bar, the Advanced page runs the install-field rule.
void ShowSettingsPage(Context& context, MainWindow& window, int page);

// ExitButton, Escape and the close box: the window closes and nothing is
// written; every change since the last load is dropped.
void RequestClose(Context& context, MainWindow& window);

// --- User input as the view reports it ---

// A check box or radio button was clicked; `checked` is its new state.
void BoxClicked(Context& context, MainWindow& window, ControlId control, bool checked);
// The user chose item `index` of a drop-down list.
void ItemChosen(Context& context, MainWindow& window, ControlId control, int index);
// The user changed the text of an edit box.
void TextChanged(Context& context, MainWindow& window, ControlId control, const std::string& text);
// A push button was clicked (Enter presses OkButton, Escape ExitButton). A
// button the record shows disabled cannot be clicked and does nothing. The
// hotkey editor and the keyboard-layout chooser are shown through `dialogs`.
void ButtonClicked(Context& context, MainWindow& window, DialogHost& dialogs, ControlId control);

}  // namespace fennick
