#include "app/window_construction.h"

#include "hotkeys/ime_hotkeys.h"
#include "hotkeys/switch_chords.h"

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

}  // namespace fennick
