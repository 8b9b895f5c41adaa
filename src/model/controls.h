// The state of the window's controls as data. A control whose value is a
// setting (a check box, a radio button, a chord list's choice) keeps only its
// presentation here; the value itself lives in WorkingSettings.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fennick {

struct Control {
  bool Enabled = true;
  std::string Caption;
};

// A drop-down list whose current item is a setting held elsewhere.
struct ChoiceList : Control {
  std::vector<std::string> Items;
};

// A drop-down list with its own current item (-1: none).
struct ComboBox : Control {
  std::vector<std::string> Items;
  int Current = -1;
};

struct EditBox : Control {
  std::string Text;
};

// A check box whose state is its own, not a setting held elsewhere.
struct CheckBox : Control {
  bool Checked = false;
};

// How a modal dialog was closed: not yet, by OK, or by Cancel (Escape and the
// frame's close box count as Cancel).
enum class DialogResult { None, Ok, Cancel };

// The preload list: one row per preload entry. The first column's text is kept
// here because it may differ from the entry's names; the second column always
// shows the entry's HotkeyLabel.
struct ListRow {
  std::string Name;
};

struct ListView : Control {
  std::vector<ListRow> Rows;
  int Selected = -1;
  bool EditLabels = true;  // in-place editing of the first column
  std::string NameColumnCaption;
  std::string HotkeyColumnCaption;
  int NameColumnWidth = 0;  // pixels; 0 until the texts are applied
  int HotkeyColumnWidth = 0;
};

// An item the program appends to the window's system menu.
struct MenuItem {
  std::uint32_t Id = 0;
  std::uint32_t Flags = 0;  // the AppendMenu flags: MF_STRING 0, MF_CHECKED 8, MF_SEPARATOR 0x800
  std::string Text;
};

struct StatusBar {
  bool Exists = false;  // the bar appears the first time a text is set
  std::string Text;

  void Set(const std::string& text) {
    Exists = true;
    Text = text;
  }
};

enum class ControlId {
  None,
  PreloadListView,
  UpButton,
  DownButton,
  DeleteButton,
  HotkeyButton,
  PropertiesButton,
  KeyboardButton,
  AvailableCombo,
  AddButton,
  SettingsTabs,
  OkButton,
  ApplyButton,
  ExitButton,
  IndicatorEnableCheck,
  IndicatorRadio,
  TextServicesRadio,
  LanguageSwitchCheck,
  LayoutSwitchCheck,
  LanguageChordCombo,
  LayoutChordCombo,
  ToggleCombo,
  ToggleHotkeyButton,
  CapsCombo,
  ShowStatusCheck,
  RemoveNameBox,
  RemoveButton,
  InstallNameEdit,
  InstallFileEdit,
  BrowseButton,
  InstallButton,
  // Containers, group boxes and labels.
  GeneralPage,
  OtherPage,
  AdvancedPage,
  ImeStyleGroup,
  SwitchGroup,
  ToggleGroup,
  OtherGroup,
  CapsLabel,
  SeparatorLine,
  RemoveGroup,
  InstallGroup,
  InstallNameLabel,
  InstallFileLabel,
  StatusLine,
};

}  // namespace fennick
