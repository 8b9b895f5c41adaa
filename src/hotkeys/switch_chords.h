// The chords that switch input languages and keyboard layouts: their registry
// form under "Keyboard Layout\Toggle", the rules that keep the two apart, how
// the indicator style changes them, and the command line's switch mode.
#pragma once

#include <string>
#include <vector>

#include "model/main_window.h"
#include "registry/context.h"

namespace fennick {

// Items of both chord lists: "Ctrl+Shift", "Alt+Shift", and the grave accent
// only from Windows Vista on.
std::vector<std::string> ChordItems(const WindowsVersion& version);

// Caption of LanguageSwitchCheck for an indicator style.
const char* LanguageSwitchCaption(Indicator style, UiLanguage language);

// Fills the four chord fields from the registry for the window's IndicatorStyle,
// with the enabling of their controls and the caption of LanguageSwitchCheck.
void ReadSwitchChords(Context& context, MainWindow& window);
void WriteSwitchChords(Context& context, const WorkingSettings& settings);

// The user picked a chord in one of the lists: the other chord moves away
// from it. A chord one rule sets does not start the other rule.
void LanguageChordChosen(MainWindow& window, int chosen);
void LayoutChordChosen(MainWindow& window, int chosen);

enum class SwitchBox { Language, Layout };
// A click on LanguageSwitchCheck or LayoutSwitchCheck: the box's new state, and
// its chord list enabled exactly when the box is ticked.
void SwitchBoxClicked(MainWindow& window, SwitchBox box, bool checked);

// The chord part of choosing an indicator style: captions, enabling, and the
// chords reset when the style differs from the one shown.
void IndicatorStyleChosen(MainWindow& window, Indicator style);

// "/switch": a letter a or b (any case) chooses the chords, a mode 0 to 3 the
// two switch boxes; anything else changes nothing.
void ApplySwitchMode(WorkingSettings& settings, int mode, char letter);

}  // namespace fennick
