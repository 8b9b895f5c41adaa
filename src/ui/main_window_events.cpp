#include "ui/main_window_events.h"

#include <algorithm>

#include "common/text.h"
#include "hotkeys/hotkey_codes.h"
#include "hotkeys/ime_hotkeys.h"
#include "hotkeys/switch_chords.h"
#include "ime/install_ime.h"
#include "ime/remove_layout.h"
#include "registry/catalog_value.h"
#include "registry/schema.h"
#include "settings/apply_settings.h"
#include "settings/catalog.h"
#include "settings/display_names.h"
#include "settings/preload_editing.h"
#include "settings/preload_selection.h"
#include "settings/shown_names.h"
#include "ui/hotkey_dialog.h"
#include "ui/keyboard_dialog.h"
#include "ui/main_window_controls.h"
#include "ui/texts.h"

namespace fennick {

namespace {

constexpr int kRowHeight = 17;
// The open-file dialog's one filter: its description and its pattern.
constexpr char kImeFilePattern[] = "*.ime";

// A catalog value of one layout, in upper case; empty when missing.
std::string CatalogValueUpper(Context& context, const std::string& layoutId, const char* valueName) {
  return ToUpperAscii(ReadCatalogValue(context, layoutId, valueName));
}

// Rows that have an entry behind them; the two lists grow and shrink together.
int RowCount(const MainWindow& window) {
  return static_cast<int>(std::min(window.PreloadListView.Rows.size(), window.Settings.PreloadList.size()));
}


}  // namespace

void RowSelectionChanged(Context& context, MainWindow& window, int selected) {
  SelectPreloadRow(context, window, selected);
}

void ShowRowHoverText(Context& context, MainWindow& window, int pointerY, int firstRowTop) {
  // Above the first row the pointer is over no row (the offset would count
  // toward zero and name row 0, or a row before it).
  const int offset = pointerY - firstRowTop;
  const int r = offset / kRowHeight;
  if (offset < 0 || r >= RowCount(window)) {
    window.StatusLine.Set("");
    return;
  }
  const PreloadEntry& entry = window.Settings.PreloadList[r];
  const std::string layoutFile = CatalogValueUpper(context, entry.LayoutId, schema::kLayoutFileValue);
  const std::string keyboard = kKeyboardDialogTitle.In(window.Language);
  if (!entry.HotkeyLabel.empty()) {
    window.StatusLine.Set(window.PreloadListView.HotkeyColumnCaption + ": " + entry.HotkeyLabel + " " + keyboard +
                              ": " + layoutFile + " | " + entry.LayoutId);
  } else {
    const std::string imeFile = CatalogValueUpper(context, entry.LayoutId, schema::kImeFileValue);
    window.StatusLine.Set(keyboard + ": " + layoutFile + " | " + entry.LayoutId + " | " + imeFile);
  }
}

RowCommand DoubleClickCommand(int pointerX, int firstRowLeft, int firstColumnWidth) {
  return pointerX - firstRowLeft < firstColumnWidth ? RowCommand::Properties : RowCommand::Hotkey;
}

void RowDoubleClicked(Context& context, MainWindow& window, DialogHost& dialogs, int pointerX, int firstRowLeft,
                      int firstColumnWidth) {
  switch (DoubleClickCommand(pointerX, firstRowLeft, firstColumnWidth)) {
    // Also for a plain layout, whose PropertiesButton is disabled: the call
    // then fails and shows nothing.
    case RowCommand::Properties: ShowImeProperties(context, window); break;
    case RowCommand::Hotkey: EditRowHotkey(context, window, dialogs); break;
  }
}

void LabelEdited(Context&, MainWindow& window, int row, const std::optional<std::string>& text) {
  if (row < 0) return;
  RenameEntry(window, static_cast<std::size_t>(row), text);
}

void ShowImeProperties(Context& context, MainWindow& window) {
  const int row = window.PreloadListView.Selected;
  const auto& slots = window.Settings.LayoutHandles;
  if (row < 0 || row >= RowCount(window) || row >= static_cast<int>(slots.size())) return;
  const platform::LayoutHandle handle = slots[static_cast<std::size_t>(row)];
  if (handle == 0) return;  // fewer layouts loaded than rows: no IME to ask
  // The NT family and the Windows 95 line open the dialog; the platform call
  // picks the character set its system takes. Older systems have no such call.
  if (context.Version.IsNtFamily() || context.Version.IsWin9xFamily()) context.Os.inputMethods.ConfigureIme(handle);
}

void ShowAvailableEntry(Context& context, MainWindow& window) {
  const ComboBox& combo = window.AvailableCombo;
  const int i = combo.Current;
  if (i < 0 || i >= static_cast<int>(combo.Items.size()) ||
      i >= static_cast<int>(window.Settings.AvailableList.size())) {
    window.RemoveButton.Enabled = false;
    return;
  }
  const std::string& layoutId = window.Settings.AvailableList[i].LayoutId;
  std::string imeFile = CatalogValueUpper(context, layoutId, schema::kImeFileValue);
  if (!imeFile.empty()) imeFile = " (" + imeFile + ")";
  window.StatusLine.Set(combo.Items[i] + ": " + layoutId + imeFile);
  window.RemoveButton.Enabled = IsIme(layoutId);
  window.RemoveNameBox.Caption = combo.Items[i];
}

void IndicatorEnableClicked(Context& context, MainWindow& window, bool checked) {
  window.Settings.IndicatorEnabled = checked;
  window.ImeStyleGroup.Enabled = checked;
  window.TextServicesRadio.Enabled = checked;
  window.IndicatorRadio.Enabled = checked;
  if (context.Version.IsVistaOrLater()) {
    window.Settings.IndicatorStyle = Indicator::TextServices;
    window.IndicatorRadio.Enabled = false;
  }
}

void StyleRadioClicked(Context&, MainWindow& window, Indicator style) {
  WorkingSettings& s = window.Settings;
  s.IndicatorStyle = style;
  window.PreloadListView.EditLabels = style == Indicator::TextServices;
  IndicatorStyleChosen(window, style);

  ComboBox& combo = window.AvailableCombo;
  combo.Items.clear();
  for (const AvailableEntry& entry : s.AvailableList) combo.Items.push_back(ShownName(entry, style));
  combo.Current = -1;

  for (int row = 0; row < RowCount(window); ++row) {
    window.PreloadListView.Rows[row].Name = ShownName(s.PreloadList[row], style);
  }
}

void ChooseToggle(Context& context, MainWindow& window, int slot) {
  SelectOtherToggle(window, slot);
  ShowToggleText(context, window);
}

void ShowToggleText(Context&, MainWindow& window) {
  const int slot = window.Settings.SelectedToggle;
  const auto& items = window.ToggleCombo.Items;
  const std::string item = slot >= 0 && slot < static_cast<int>(items.size()) ? items[slot] : "";
  window.StatusLine.Set(item + ": " + window.ToggleHotkeyButton.Caption);
}

void ApplyInstallFieldRule(Context& context, MainWindow& window) {
  if (window.InstallNameEdit.Text.empty() || window.InstallFileEdit.Text.empty()) {
    window.InstallButton.Enabled = false;
  } else if (!context.Version.IsVistaOrLater()) {
    window.InstallButton.Enabled = true;
  }
  const ComboBox& combo = window.AvailableCombo;
  const bool current = combo.Current >= 0 && combo.Current < static_cast<int>(combo.Items.size());
  window.RemoveNameBox.Caption = current ? combo.Items[combo.Current] : "";
  window.StatusLine.Set("");
}

void BrowseImeFile(Context& context, MainWindow& window) {
  FileDialog& dialog = window.ImeFileDialog;
  platform::OpenFileRequest request;
  request.Owner = platform::BoxOwner::MainWindow;
  request.FilterDescription = kImeFilePattern;
  request.FilterPattern = kImeFilePattern;
  request.InitialDirectory = dialog.StartDirectory;
  request.FileName = dialog.FileName;
  request.Options = platform::ofn::FileMustExist | platform::ofn::PathMustExist | platform::ofn::HideReadOnly |
                    platform::ofn::NoNetworkButton;
  const std::optional<std::string> chosen = context.Os.dialogs.ChooseFileToOpen(request);
  dialog.FileName = chosen.value_or("");
  if (!chosen) return;
  TextChanged(context, window, ControlId::InstallFileEdit, *chosen);
  TextChanged(context, window, ControlId::InstallNameEdit, ReadFileDescription(context, *chosen));
}

void RemoveNameBoxHovered(Context&, MainWindow& window) { window.Focus = ControlId::AvailableCombo; }

void ShowSettingsPage(Context& context, MainWindow& window, int page) {
  window.SettingsPage = page;
  if (page == 2) {
    ApplyInstallFieldRule(context, window);
  } else {
    window.StatusLine.Set("");
  }
}

void RequestClose(Context&, MainWindow& window) { window.CloseRequested = true; }

void BoxClicked(Context& context, MainWindow& window, ControlId control, bool checked) {
  switch (control) {
    case ControlId::IndicatorEnableCheck: IndicatorEnableClicked(context, window, checked); break;
    case ControlId::TextServicesRadio: StyleRadioClicked(context, window, Indicator::TextServices); break;
    case ControlId::IndicatorRadio: StyleRadioClicked(context, window, Indicator::LegacyIndicator); break;
    case ControlId::LanguageSwitchCheck: SwitchBoxClicked(window, SwitchBox::Language, checked); break;
    case ControlId::LayoutSwitchCheck: SwitchBoxClicked(window, SwitchBox::Layout, checked); break;
    case ControlId::ShowStatusCheck: window.Settings.ShowStatusWindow = checked; break;
    default: break;
  }
}

void ItemChosen(Context& context, MainWindow& window, ControlId control, int index) {
  switch (control) {
    case ControlId::AvailableCombo:
      window.AvailableCombo.Current = index;
      ShowAvailableEntry(context, window);
      break;
    case ControlId::ToggleCombo: ChooseToggle(context, window, index); break;
    case ControlId::LanguageChordCombo: LanguageChordChosen(window, index); break;
    case ControlId::LayoutChordCombo: LayoutChordChosen(window, index); break;
    case ControlId::CapsCombo: window.Settings.CapsRelease = index; break;
    default: break;
  }
}

void TextChanged(Context& context, MainWindow& window, ControlId control, const std::string& text) {
  if (control == ControlId::InstallNameEdit) window.InstallNameEdit.Text = text;
  else if (control == ControlId::InstallFileEdit) window.InstallFileEdit.Text = text;
  else return;
  ApplyInstallFieldRule(context, window);
}

void ButtonClicked(Context& context, MainWindow& window, DialogHost& dialogs, ControlId control) {
  const Control* button = FindControl(window, control);
  if (!button || !button->Enabled) return;
  switch (control) {
    case ControlId::UpButton: MoveEntryUp(context, window); break;
    case ControlId::DownButton: MoveEntryDown(context, window); break;
    case ControlId::DeleteButton: RemoveEntry(context, window); break;
    case ControlId::AddButton: AddEntry(context, window); break;
    case ControlId::HotkeyButton: EditRowHotkey(context, window, dialogs); break;
    case ControlId::PropertiesButton: ShowImeProperties(context, window); break;
    case ControlId::KeyboardButton: ChooseKeyboard(context, window, dialogs); break;
    case ControlId::ToggleHotkeyButton: EditOtherToggle(context, window, dialogs); break;
    case ControlId::BrowseButton: BrowseImeFile(context, window); break;
    case ControlId::OkButton: ApplyAndClose(context, window); break;
    case ControlId::ApplyButton: ApplyWorkingSettings(context, window); break;
    case ControlId::ExitButton: RequestClose(context, window); break;
    case ControlId::RemoveButton: RemoveCatalogEntry(context, window); break;
    case ControlId::InstallButton: InstallIme(context, window); break;
    default: break;
  }
}

}  // namespace fennick
