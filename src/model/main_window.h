// The main window as one record: the run-wide state, the working settings and
// the state of every control. Loading, editing, applying, the switches and the
// event handlers all work on this record; the Win32 view only mirrors it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/ui_language.h"
#include "model/controls.h"
#include "model/hotkey_dialog.h"
#include "model/keyboard_dialog.h"
#include "model/working_settings.h"

namespace fennick {

// The open-file dialog that chooses an IME file: where it starts, and the file
// confirmed the last time (empty at first and after a cancel).
struct FileDialog {
  std::string StartDirectory;
  std::string FileName;
};

struct MainWindow {
  // Run-wide state, set by the command-line step.
  std::uint32_t SystemLocale = 0x0409;
  UiLanguage Language = UiLanguage::English;
  std::string CommandLine;
  std::vector<std::string> SwitchList;
  std::string HelpText;
  int ArgumentCount = 0;  // zero: window mode; one or more: switch mode
  bool Hidden = false;
  bool CloseRequested = false;

  WorkingSettings Settings;

  // The caption (with the version) and the title the task bar shows (without it).
  std::string Title;
  std::string TaskbarTitle;
  // Appended to the system menu when the window is created.
  std::vector<MenuItem> SystemMenu;
  // The font of the window and every control.
  std::string FontFace = "Tahoma";
  int FontHeight = -12;

  // Controls, in the order of the window's layout.
  ListView PreloadListView;
  Control UpButton, DownButton, DeleteButton, HotkeyButton, PropertiesButton, KeyboardButton;
  ComboBox AvailableCombo;
  Control AddButton;
  int SettingsPage = 0;  // the page of SettingsTabs shown
  std::vector<std::string> PageCaptions;  // GeneralPage, OtherPage, AdvancedPage
  Control OkButton, ApplyButton, ExitButton;
  // General page
  Control IndicatorEnableCheck, ImeStyleGroup, IndicatorRadio, TextServicesRadio;
  Control SwitchGroup;
  Control LanguageSwitchCheck, LayoutSwitchCheck;
  ChoiceList LanguageChordCombo, LayoutChordCombo;
  // Other page
  Control ToggleGroup, OtherGroup, CapsLabel, SeparatorLine;
  ChoiceList ToggleCombo;
  Control ToggleHotkeyButton;
  ChoiceList CapsCombo;
  Control ShowStatusCheck;
  // Advanced page
  Control RemoveGroup, InstallGroup, InstallNameLabel, InstallFileLabel;
  Control RemoveNameBox, RemoveButton;
  EditBox InstallNameEdit, InstallFileEdit;
  Control BrowseButton, InstallButton;

  StatusBar StatusLine;
  // Per row of PreloadListView: the file whose first icon the row shows, or
  // empty for the program's own icon.
  std::vector<std::string> RowImages;
  // A request for the keyboard focus, made by a handler; the window carries it
  // out and clears it.
  ControlId Focus = ControlId::None;

  FileDialog ImeFileDialog;
  // The two dialogs, created once after the window and reused.
  HotkeyDialog HotkeyEditor;
  KeyboardDialog KeyboardChooser;
};

}  // namespace fennick
