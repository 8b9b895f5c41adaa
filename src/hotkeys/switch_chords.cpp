#include "hotkeys/switch_chords.h"

#include "registry/schema.h"

namespace fennick {

namespace {

// The digits Windows stores for the chords.
constexpr char kAltShiftDigit[] = "1";
constexpr char kCtrlShiftDigit[] = "2";
constexpr char kNoChordDigit[] = "3";
constexpr char kGraveAccentDigit[] = "4";

constexpr Text3 kLegacyCaption = {"Switch IME", "切换输入法", "切換輸入法"};
constexpr Text3 kServicesCaption = {"Switch input languages", "切换输入语言", "切換輸入語言"};

// The digit of a chosen chord; empty when none is chosen.
std::string ChordDigit(int chord) {
  switch (chord) {
    case chord::CtrlShift: return kCtrlShiftDigit;
    case chord::AltShift: return kAltShiftDigit;
    case chord::GraveAccent: return kGraveAccentDigit;
    default: return {};
  }
}

// Setting a list to the grave accent where the list does not offer it leaves
// the list without a chosen item.
int Offered(int chord, const WindowsVersion& version) {
  return chord == chord::GraveAccent && !version.IsVistaOrLater() ? chord::None : chord;
}

}  // namespace

std::vector<std::string> ChordItems(const WindowsVersion& version) {
  std::vector<std::string> items = {"Ctrl+Shift", "Alt+Shift"};
  if (version.IsVistaOrLater()) items.push_back("`");
  return items;
}

const char* LanguageSwitchCaption(Indicator style, UiLanguage language) {
  return (style == Indicator::LegacyIndicator ? kLegacyCaption : kServicesCaption).In(language);
}

void ReadSwitchChords(Context& context, MainWindow& window) {
  WorkingSettings& s = window.Settings;
  const WindowsVersion& version = context.Version;
  RegKey key = context.Registry.OpenForRead(schema::HKCU, schema::kToggleKey);
  const std::string hotkey = context.Registry.GetString(key, schema::kHotkeyValue);
  const std::string languageHotkey = context.Registry.GetString(key, schema::kLanguageHotkeyValue);
  const std::string layoutHotkey = context.Registry.GetString(key, schema::kLayoutHotkeyValue);
  auto either = [&](const char* digit) { return hotkey == digit || languageHotkey == digit; };

  // Each later match overrides an earlier one; a value that matches no digit
  // leaves the fields as they were.
  auto language = [&](bool on, int chosen) {
    s.LanguageSwitchOn = on;
    s.LanguageChord = chosen;
  };
  if (either(kAltShiftDigit)) language(true, chord::AltShift);
  if (either(kCtrlShiftDigit)) language(true, chord::CtrlShift);
  if (either(kGraveAccentDigit)) language(true, Offered(chord::GraveAccent, version));
  if (either(kNoChordDigit)) {
    s.LanguageSwitchOn = false;
    window.LanguageChordCombo.Enabled = false;
  }

  auto layout = [&](bool on, int chosen) {
    s.LayoutSwitchOn = on;
    s.LayoutChord = chosen;
  };
  if (layoutHotkey == kAltShiftDigit) layout(true, chord::AltShift);
  if (layoutHotkey == kCtrlShiftDigit) layout(true, chord::CtrlShift);
  if (layoutHotkey == kGraveAccentDigit) layout(true, Offered(chord::GraveAccent, version));
  const bool layoutSwitchedOff = layoutHotkey == kNoChordDigit;
  if (layoutSwitchedOff) layout(false, chord::AltShift);

  // The layout box and its list belong to text services. A "3" that has just
  // switched layout switching off keeps the list disabled even there, so the
  // window never shows an enabled chord list under an unchecked box.
  const bool textServices = s.IndicatorStyle == Indicator::TextServices;
  window.LayoutSwitchCheck.Enabled = textServices;
  window.LayoutChordCombo.Enabled = textServices && !layoutSwitchedOff;

  // The Windows 95 line keeps the language chord of the legacy indicator in the
  // unnamed default value, and its language switching cannot be turned off.
  if (!textServices && version.IsWin9xFamily()) {
    const std::string defaultValue = context.Registry.GetString(key, schema::kDefaultValue);
    s.LanguageSwitchOn = true;
    if (defaultValue == kCtrlShiftDigit) s.LanguageChord = chord::CtrlShift;
    if (defaultValue == kAltShiftDigit) s.LanguageChord = chord::AltShift;
  }
  window.LanguageSwitchCheck.Caption = LanguageSwitchCaption(s.IndicatorStyle, window.Language);
}

void WriteSwitchChords(Context& context, const WorkingSettings& settings) {
  RegistryStore& registry = context.Registry;
  RegKey key = registry.OpenOrCreate(schema::HKCU, schema::kToggleKey);
  if (settings.LanguageSwitchOn) {
    const std::string digit = ChordDigit(settings.LanguageChord);
    if (!digit.empty()) {
      registry.SetString(key, schema::kHotkeyValue, digit);
      registry.SetString(key, schema::kLanguageHotkeyValue, digit);
      if (context.Version.IsWin9xFamily()) registry.SetString(key, schema::kDefaultValue, digit);
    }
  } else {
    registry.SetString(key, schema::kHotkeyValue, kNoChordDigit);
    registry.SetString(key, schema::kLanguageHotkeyValue, kNoChordDigit);
  }
  if (settings.LayoutSwitchOn) {
    const std::string digit = ChordDigit(settings.LayoutChord);
    if (!digit.empty()) registry.SetString(key, schema::kLayoutHotkeyValue, digit);
  } else {
    registry.SetString(key, schema::kLayoutHotkeyValue, kNoChordDigit);
  }
}

namespace {

// The other list's chord moves away from the one just picked; the grave accent
// stays unless both lists would hold it.
void MoveOtherChord(int picked, int& other) {
  if (picked == chord::CtrlShift && other != chord::GraveAccent) other = chord::AltShift;
  else if (picked == chord::AltShift && other != chord::GraveAccent) other = chord::CtrlShift;
  else if (picked == chord::GraveAccent && other == chord::GraveAccent) other = chord::CtrlShift;
}

}  // namespace

void LanguageChordChosen(MainWindow& window, int chosen) {
  window.Settings.LanguageChord = chosen;
  MoveOtherChord(chosen, window.Settings.LayoutChord);
}

void LayoutChordChosen(MainWindow& window, int chosen) {
  window.Settings.LayoutChord = chosen;
  MoveOtherChord(chosen, window.Settings.LanguageChord);
}

void SwitchBoxClicked(MainWindow& window, SwitchBox box, bool checked) {
  if (box == SwitchBox::Language) {
    window.Settings.LanguageSwitchOn = checked;
    window.LanguageChordCombo.Enabled = checked;
  } else {
    window.Settings.LayoutSwitchOn = checked;
    window.LayoutChordCombo.Enabled = checked;
  }
}

void IndicatorStyleChosen(MainWindow& window, Indicator style) {
  WorkingSettings& s = window.Settings;
  window.LanguageSwitchCheck.Caption = LanguageSwitchCaption(style, window.Language);
  if (style == Indicator::LegacyIndicator) {
    window.LanguageSwitchCheck.Enabled = true;
    window.LayoutSwitchCheck.Enabled = false;
    window.LayoutChordCombo.Enabled = false;
  } else {
    window.LayoutSwitchCheck.Enabled = true;
    window.LayoutChordCombo.Enabled = true;
  }
  if (style != s.ShownIndicatorStyle) {
    const bool languageGrave = s.LanguageChord == chord::GraveAccent;
    const bool layoutGrave = s.LayoutChord == chord::GraveAccent;
    const bool legacy = style == Indicator::LegacyIndicator;
    if (!languageGrave && !layoutGrave) {
      s.LanguageChord = legacy ? chord::CtrlShift : chord::AltShift;
      s.LayoutChord = legacy ? chord::AltShift : chord::CtrlShift;
    } else if (languageGrave && layoutGrave) {
      (legacy ? s.LayoutChord : s.LanguageChord) = chord::CtrlShift;
    }
  }
  s.ShownIndicatorStyle = style;
}

void ApplySwitchMode(WorkingSettings& settings, int mode, char letter) {
  if (letter == 'a' || letter == 'A') {
    settings.LanguageChord = chord::CtrlShift;
    settings.LayoutChord = chord::AltShift;
  } else if (letter == 'b' || letter == 'B') {
    settings.LanguageChord = chord::AltShift;
    settings.LayoutChord = chord::CtrlShift;
  }
  if (mode >= 0 && mode <= 3) {
    settings.LanguageSwitchOn = mode == 1 || mode == 3;
    settings.LayoutSwitchOn = mode == 2 || mode == 3;
  }
}

}  // namespace fennick
