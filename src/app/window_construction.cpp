#include "app/window_construction.h"

#include "app/duplicate_cleanup.h"
#include "cli/command_line.h"
#include "cli/execute_switches.h"
#include "hotkeys/ime_hotkeys.h"
#include "hotkeys/switch_chords.h"
#include "settings/load_settings.h"
#include "settings/preload_selection.h"

namespace fennick {

void PrepareMainWindow(Context& context, MainWindow& window) {
  WorkingSettings& s = window.Settings;
  window.CapsCombo.Items = {"Caps Lock", "Shift"};
  window.LanguageChordCombo.Items = ChordItems(context.Version);
  window.LayoutChordCombo.Items = ChordItems(context.Version);
  window.ToggleCombo.Items = ToggleItems(window.Language);
  window.RemoveButton.Enabled = false;
  s.IndicatorEnabled = true;
  s.LanguageChord = chord::CtrlShift;
  s.LayoutChord = chord::CtrlShift;
  s.IndicatorStyle = Indicator::TextServices;
  s.ShownIndicatorStyle = Indicator::TextServices;

  // The programmatic click on IndicatorRadio, with the lists still empty.
  s.IndicatorStyle = Indicator::LegacyIndicator;
  window.PreloadListView.EditLabels = false;
  IndicatorStyleChosen(window, Indicator::LegacyIndicator);
}

void BuildMainWindow(Context& context, MainWindow& window, WindowFrontEnd& frontEnd) {
  // Before anything is shown: the locale every text depends on, and the
  // switches (or the help box).
  CommandLineStep(context, window);
  // Any argument, even one that yields no switch, selects switch mode.
  const bool windowMode = window.ArgumentCount == 0;
  PrepareMainWindow(context, window);
  if (windowMode) {
    frontEnd.CreateControls(context, window);
    frontEnd.PlaceWindow(context, window);
    frontEnd.SetUiTexts(context, window);
  }
  LoadWorkingSettings(context, window);
  if (!windowMode) ExecuteSwitches(context, window);
  // After the switches, so their final apply has already written the list.
  RemoveDuplicateImes(context, window);
  EnsureRowSelected(context, window);
}

}  // namespace fennick
