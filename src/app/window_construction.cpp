#include "app/window_construction.h"

#include "app/duplicate_cleanup.h"
#include "cli/command_line.h"
#include "cli/execute_switches.h"
#include "hotkeys/switch_chords.h"
#include "settings/load_settings.h"
#include "settings/preload_selection.h"
#include "ui/main_window_events.h"
#include "ui/texts.h"

namespace fennick {

void PrepareMainWindow(Context& context, MainWindow& window) {
  WorkingSettings& s = window.Settings;
  ApplyCaptions(window, UiLanguage::Simplified);
  window.RemoveButton.Enabled = false;
  s.IndicatorEnabled = true;
  s.LanguageChord = chord::CtrlShift;
  s.LayoutChord = chord::CtrlShift;
  // The text-services radio button is selected when it is created; then the
  // construction clicks the legacy-indicator radio button once, with the lists
  // still empty.
  s.IndicatorStyle = Indicator::TextServices;
  s.ShownIndicatorStyle = Indicator::TextServices;
  StyleRadioClicked(context, window, Indicator::LegacyIndicator);
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
    // The open-file dialog for IME files starts in the system directory.
    window.ImeFileDialog.StartDirectory = context.Os.system.SystemDirectory() + "\\";
    frontEnd.PlaceWindow(context, window);
  }
  ApplyUiTexts(context, window);
  if (windowMode) frontEnd.SetUiTexts(context, window);
  LoadWorkingSettings(context, window);
  if (!windowMode) ExecuteSwitches(context, window);
  // After the switches, so their final apply has already written the list.
  RemoveDuplicateImes(context, window);
  EnsureRowSelected(context, window);
}

}  // namespace fennick
