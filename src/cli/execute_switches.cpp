#include "cli/execute_switches.h"

#include <string_view>
#include <vector>

#include "common/text.h"
#include "hotkeys/hotkey_codes.h"
#include "hotkeys/ime_hotkeys.h"
#include "hotkeys/switch_chords.h"
#include "ime/install_ime.h"
#include "ime/remove_layout.h"
#include "registry/schema.h"
#include "settings/apply_settings.h"
#include "settings/catalog.h"
#include "settings/display_names.h"
#include "settings/preload_editing.h"
#include "settings/preload_selection.h"

namespace fennick {

namespace {

enum class Switch { None, On, Off, Internat, Ctfmon, Caps, Shift, Status, Delete, Chords, Install, Move, Uninstall, Add, Hotkey };

struct SwitchItem {
  Switch Kind = Switch::None;
  int Digit = 0;  // the number in del1: to del4:, add1 to add3, move1: to move3:, uninstall1: to uninstall3:
  std::string Argument;
};

// Everything after the first colon; empty when there is none.
std::string AfterColon(const std::string& item) {
  const std::size_t colon = item.find(':');
  return colon == std::string::npos ? std::string() : item.substr(colon + 1);
}

// Recognises a trimmed item by the first characters of its lower-case form.
SwitchItem Recognize(const std::string& item) {
  const std::string lower = ToLowerAscii(item);
  auto starts = [&lower](std::string_view prefix) { return lower.compare(0, prefix.size(), prefix) == 0; };
  const struct {
    const char* Word;
    Switch Kind;
  } words[] = {{"on", Switch::On},         {"off", Switch::Off},     {"internat", Switch::Internat},
               {"ctfmon", Switch::Ctfmon}, {"caps", Switch::Caps},   {"shift", Switch::Shift}};
  for (const auto& word : words) {
    if (lower == word.Word) return {word.Kind, 0, ""};
  }
  if (starts("status:")) return {Switch::Status, 0, item.substr(item.size() - 1)};
  for (int digit = 1; digit <= 4; ++digit) {
    if (starts("del" + std::to_string(digit) + ":")) return {Switch::Delete, digit, AfterColon(item)};
  }
  if (starts("switch:")) return {Switch::Chords, 0, ToLowerAscii(AfterColon(item))};
  if (starts("install:")) return {Switch::Install, 0, AfterColon(item)};
  for (int digit = 1; digit <= 3; ++digit) {
    // move2: and move3: compare lower-case texts, so their argument is lowered whole.
    if (starts("move" + std::to_string(digit) + ":")) {
      return {Switch::Move, digit, digit == 1 ? AfterColon(item) : ToLowerAscii(AfterColon(item))};
    }
  }
  for (int digit = 1; digit <= 3; ++digit) {
    if (starts("uninstall" + std::to_string(digit) + ":")) return {Switch::Uninstall, digit, AfterColon(item)};
  }
  if (starts("add") && lower.size() >= 4 && lower[3] >= '1' && lower[3] <= '3') {
    return {Switch::Add, lower[3] - '0', AfterColon(item)};
  }
  if (starts("hotkey:")) return {Switch::Hotkey, 0, AfterColon(item)};
  return {};
}

// How a list switch names its entry: by the name it shows (exactly, letter
// case included), by the "IME File" of its catalog key as it stands now, or by
// its LayoutId (both without regard to letter case).
enum class EntryKey { ShownName, ImeFile, LayoutId };

EntryKey KeyOfDigit(int digit) {
  return digit == 1 ? EntryKey::ShownName : digit == 2 ? EntryKey::ImeFile : EntryKey::LayoutId;
}

bool KeyMatches(Context& context, EntryKey key, const std::string& shownName, const std::string& layoutId,
                const std::string& wanted) {
  switch (key) {
    case EntryKey::ShownName: return shownName == wanted;
    case EntryKey::ImeFile: return EqualsIgnoreCase(ReadImeFile(context, layoutId), wanted);
    case EntryKey::LayoutId: return EqualsIgnoreCase(layoutId, wanted);
  }
  return false;
}

// The first preload entry the key matches; -1 when none.
int FindPreloadEntry(Context& context, const MainWindow& window, EntryKey key, const std::string& wanted) {
  const std::vector<PreloadEntry>& entries = window.Settings.PreloadList;
  const std::vector<ListRow>& rows = window.PreloadListView.Rows;
  for (std::size_t i = 0; i < entries.size() && i < rows.size(); ++i) {
    if (KeyMatches(context, key, rows[i].Name, entries[i].LayoutId, wanted)) return static_cast<int>(i);
  }
  return -1;
}

// The first available entry from `from` on that the key matches; -1 when none.
int FindAvailableEntry(Context& context, const MainWindow& window, EntryKey key, const std::string& wanted,
                       std::size_t from = 0) {
  const std::vector<AvailableEntry>& entries = window.Settings.AvailableList;
  const std::vector<std::string>& items = window.AvailableCombo.Items;
  for (std::size_t i = from; i < entries.size() && i < items.size(); ++i) {
    if (KeyMatches(context, key, items[i], entries[i].LayoutId, wanted)) return static_cast<int>(i);
  }
  return -1;
}

int PreloadCount(const MainWindow& window) { return static_cast<int>(window.Settings.PreloadList.size()); }

// A key word "~" stands for the comma key, since "," separates arguments.
std::string CommaKey(const std::string& keyWord) { return keyWord == "~" ? "," : keyWord; }

// The label a switch gives a hotkey until the next load shows the stored one:
// the side text, then the modifier word and the key word as written, in upper
// case ("Left CTRL+SHIFT+8").
std::string SwitchHotkeyLabel(const ParsedHotkey& parsed, const std::string& modifierWord,
                              const std::string& keyWord) {
  return parsed.SideText + ToUpperAscii(modifierWord) + "+" + ToUpperAscii(keyWord);
}

// The [hotkey] of add and install: appended as one more record of the entry,
// without an in-use test. A text whose words have no code attaches nothing.
void AttachHotkey(MainWindow& window, std::size_t row, const std::string& hotkeyText) {
  WorkingSettings& s = window.Settings;
  const std::vector<std::string> pieces = Split('_', hotkeyText);
  if (pieces.size() < 2 || row >= s.PreloadList.size()) return;
  HotkeyWords words;
  words.ModifierWord = pieces[0];
  words.KeyWord = CommaKey(pieces[1]);
  if (pieces.size() == 3) words.SideWord = pieces[2];
  const ParsedHotkey parsed = ParseHotkeyText(words, window.Language);
  if (!parsed.Valid) return;
  PreloadEntry& entry = s.PreloadList[row];
  entry.HotkeyLabel = SwitchHotkeyLabel(parsed, pieces[0], pieces[1]);
  s.ImeHotkeys.push_back({parsed.Modifiers, parsed.VirtualKey, entry.LayoutId});
}

void ChooseIndicator(MainWindow& window, Indicator style) {
  window.Settings.IndicatorStyle = style;
  // The layout chord belongs to text services only.
  const bool layoutControls = style == Indicator::TextServices;
  window.LayoutSwitchCheck.Enabled = layoutControls;
  window.LayoutChordCombo.Enabled = layoutControls;
  window.Settings.IndicatorEnabled = true;
}

void SetStatusWindow(MainWindow& window, const std::string& lastCharacter) {
  if (lastCharacter == "0") window.Settings.ShowStatusWindow = false;
  if (lastCharacter == "1") window.Settings.ShowStatusWindow = true;
}

// "switch:<mode><letter>": the mode is the first character read as a number
// (anything but a digit counts as 0), the letter the last character.
void SetSwitchMode(MainWindow& window, const std::string& argument) {
  const int mode = Number(argument.substr(0, 1));
  const char letter = argument.empty() ? '\0' : ToUpperAscii(argument.substr(argument.size() - 1))[0];
  ApplySwitchMode(window.Settings, mode, letter);
}

void DeleteFromList(Context& context, MainWindow& window, int digit, const std::string& argument) {
  int row = -1;
  if (digit == 1) {
    const int n = Number(argument);
    if (n >= 1 && n <= PreloadCount(window)) row = n - 1;
  } else {
    row = FindPreloadEntry(context, window, KeyOfDigit(digit - 1), argument);
  }
  if (row < 0) return;
  SelectPreloadRow(context, window, row);
  RemoveEntry(context, window);
}

void AddToList(Context& context, MainWindow& window, int digit, const std::string& argument) {
  const std::vector<std::string> pieces = Split(',', argument);
  const int item = FindAvailableEntry(context, window, KeyOfDigit(digit), pieces[0]);
  if (item < 0) return;
  window.AvailableCombo.Current = item;
  const std::size_t before = window.Settings.PreloadList.size();
  AddEntry(context, window);
  if (window.Settings.PreloadList.size() == before) return;
  if (pieces.size() == 2) AttachHotkey(window, window.Settings.PreloadList.size() - 1, pieces[1]);
}

void MoveInList(Context& context, MainWindow& window, int digit, const std::string& argument) {
  const std::vector<std::string> pieces = Split(',', argument);
  if (pieces.size() != 2) return;
  const int from = FindPreloadEntry(context, window, KeyOfDigit(digit), pieces[0]);
  if (from < 0) return;
  SelectPreloadRow(context, window, from);
  int position = Number(pieces[1]);
  if (position > PreloadCount(window)) position = PreloadCount(window);
  if (position < 1) position = 1;
  const int to = position - 1;
  for (int step = from; step < to; ++step) MoveEntryDown(context, window);
  for (int step = from; step > to; --step) MoveEntryUp(context, window);
}

// Only entries of the available list can be uninstalled: an entry still in the
// preload list is not found.
void Uninstall(Context& context, MainWindow& window, int digit, const std::string& argument) {
  const EntryKey key = KeyOfDigit(digit);
  // An empty name or file name would match an IME whose file has no
  // description or a catalog entry without an IME file: a script whose variable
  // came out empty must not delete either. Plain layouts (LayoutIds starting
  // with "0") are never uninstalled by id.
  if (key != EntryKey::LayoutId && argument.empty()) return;
  if (key == EntryKey::LayoutId && !argument.empty() && argument[0] == '0') return;
  for (int i = FindAvailableEntry(context, window, key, argument); i >= 0;
       i = FindAvailableEntry(context, window, key, argument, static_cast<std::size_t>(i) + 1)) {
    const auto index = static_cast<std::size_t>(i);
    if (key == EntryKey::ShownName && !IsIme(window.Settings.AvailableList[index].LayoutId)) return;
    if (key == EntryKey::LayoutId &&
        !context.Registry.KeyExists(schema::HKLM, schema::CatalogKey(ToUpperAscii(argument)))) {
      continue;
    }
    DeleteAvailableLayout(context, window, index);
    return;
  }
}

bool EndsWithIme(const std::string& piece) {
  return piece.size() >= 4 && ToLowerAscii(piece.substr(piece.size() - 4)) == ".ime";
}

// "install:[name],<file>,[hotkey]": the file is always in the system
// directory; a name left out is the file's description.
void Install(Context& context, MainWindow& window, const std::string& argument) {
  std::vector<std::string> pieces = Split(',', argument);
  const std::string system = context.Os.system.SystemDirectory() + "\\";
  auto described = [&](const std::string& file) { return ReadFileDescription(context, system + file); };
  if (pieces.size() == 1) {
    pieces = {described(pieces[0]), pieces[0], ""};
  } else if (pieces.size() == 2) {
    const bool firstIsFile = EndsWithIme(pieces[0]);
    const bool secondIsFile = EndsWithIme(pieces[1]);
    if (secondIsFile && !firstIsFile) {
      pieces = {pieces[0], pieces[1], ""};
    } else if (firstIsFile && !secondIsFile) {
      pieces = {described(pieces[0]), pieces[0], pieces[1]};
    } else if (firstIsFile && secondIsFile) {
      pieces = {described(pieces[0]), pieces[0], "", pieces[1]};
    }
  }
  // Any other form leaves the install fields as an earlier install set them.
  if (pieces.size() == 3) {
    window.InstallNameEdit.Text = pieces[0];
    window.InstallFileEdit.Text = system + pieces[1];
  }
  const std::string installed = InstallIme(context, window);
  // The hotkey goes to the new IME's own entry. Windows appends it to the
  // preload list; Wine does not, and a failed install has no entry at all, so
  // then no other entry gets it.
  if (pieces.size() != 3 || pieces[2].empty() || installed.empty()) return;
  const int row = FindPreloadEntry(context, window, EntryKey::LayoutId, installed);
  if (row >= 0) AttachHotkey(window, static_cast<std::size_t>(row), pieces[2]);
}

// "hotkey:<n or letter>,[hotkey]": the n-th entry's hotkey, or a toggle
// hotkey, unless another entry or toggle already has that hotkey.
void SetHotkey(MainWindow& window, const std::string& argument) {
  const std::vector<std::string> pieces = Split(',', argument);
  const std::string target = ToUpperAscii(pieces[0]);
  HotkeyWords words = SplitHotkeyText(pieces.size() == 2 ? pieces[1] : std::string());
  const std::string keyWritten = words.KeyWord;
  words.KeyWord = CommaKey(words.KeyWord);
  const ParsedHotkey parsed = ParseHotkeyText(words, window.Language);
  if (!parsed.Valid || HotkeyInUse(window.Settings, parsed.Modifiers, parsed.VirtualKey)) return;
  const int n = Number(target);
  if (n >= 1) {
    if (n > PreloadCount(window)) return;
    SetRowHotkey(window, static_cast<std::size_t>(n - 1), parsed.Modifiers, parsed.VirtualKey,
                 SwitchHotkeyLabel(parsed, words.ModifierWord, keyWritten));
    return;
  }
  const char letter = target.empty() ? '\0' : target[0];
  if (letter >= 'A' && letter <= 'C') SetOtherToggle(window, letter - 'A', parsed.Modifiers, parsed.VirtualKey);
}

}  // namespace

void RunSwitch(Context& context, MainWindow& window, const std::string& item) {
  const SwitchItem recognized = Recognize(Trim(item));
  WorkingSettings& s = window.Settings;
  switch (recognized.Kind) {
    case Switch::None: break;
    case Switch::On: s.IndicatorEnabled = true; break;
    case Switch::Off: s.IndicatorEnabled = false; break;
    case Switch::Internat: ChooseIndicator(window, Indicator::LegacyIndicator); break;
    case Switch::Ctfmon: ChooseIndicator(window, Indicator::TextServices); break;
    case Switch::Caps: s.CapsRelease = 0; break;
    case Switch::Shift: s.CapsRelease = 1; break;
    case Switch::Status: SetStatusWindow(window, recognized.Argument); break;
    case Switch::Chords: SetSwitchMode(window, recognized.Argument); break;
    case Switch::Delete: DeleteFromList(context, window, recognized.Digit, recognized.Argument); break;
    case Switch::Add: AddToList(context, window, recognized.Digit, recognized.Argument); break;
    case Switch::Move: MoveInList(context, window, recognized.Digit, recognized.Argument); break;
    case Switch::Uninstall: Uninstall(context, window, recognized.Digit, recognized.Argument); break;
    case Switch::Install: Install(context, window, recognized.Argument); break;
    case Switch::Hotkey: SetHotkey(window, recognized.Argument); break;
  }
}

void ExecuteSwitches(Context& context, MainWindow& window) {
  for (const std::string& item : window.SwitchList) RunSwitch(context, window, item);
  ApplyAndClose(context, window);
}

}  // namespace fennick
