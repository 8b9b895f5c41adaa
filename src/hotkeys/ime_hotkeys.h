// Hotkey records under "Control Panel\Input Method\Hot Keys": the hotkeys that
// switch straight to one input locale (records 0x100 on) and the IME toggle
// hotkeys of the system language.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/main_window.h"
#include "registry/context.h"

namespace fennick {

// The input-locale handle stored in "Target IME": a plain layout "0000LLLL"
// gives LLLLLLLL, any other identifier its own value.
std::uint32_t TargetHandleOf(const std::string& layoutId);
// Back from a handle: "0000" + the low half when both halves are equal,
// otherwise the eight digits.
std::string LayoutIdOfHandle(std::uint32_t handle);

// Record numbers of the three toggle slots for a system locale; none where a
// slot is neither read nor written.
std::array<std::optional<std::uint32_t>, 3> ToggleRecordNumbers(std::uint32_t systemLocale);

// The three toggles in slot order as ToggleCombo lists them.
std::vector<std::string> ToggleItems(UiLanguage language);
const char* DuplicateHotkeyText(UiLanguage language);

// Fills ImeHotkeys from records 0x100 to 0x163 whose target is in the preload
// list, and gives the preload entries their labels.
void ReadImeHotkeys(Context& context, MainWindow& window);
// Deletes records 0x100 to 0x1C8, then writes ImeHotkeys from 0x100 without gaps.
void WriteImeHotkeys(Context& context, const WorkingSettings& settings);
// Fills OtherToggles for the system locale, trims ToggleCombo on a Japanese
// system and sets the caption of ToggleHotkeyButton.
void ReadOtherToggles(Context& context, MainWindow& window);
void WriteOtherToggles(Context& context, const MainWindow& window);

// The label of a toggle slot's hotkey; empty when it has none.
std::string ToggleLabel(const MainWindow& window, int slot);
// Another toggle is chosen in ToggleCombo: the button shows its label.
void SelectOtherToggle(MainWindow& window, int slot);
// A hotkey given on the command line for preload entry `row`: an entry without
// a hotkey gets a new record; an entry with one has all its records overwritten.
void SetRowHotkey(MainWindow& window, std::size_t row, const std::string& modifiers, const std::string& virtualKey,
                  const std::string& label);
void SetOtherToggle(MainWindow& window, int slot, const std::string& modifiers, const std::string& virtualKey);
// Whether a record or a toggle slot already has exactly these two texts.
bool HotkeyInUse(const WorkingSettings& settings, const std::string& modifiers, const std::string& virtualKey);
// Removes the first record that targets the entry, when the entry has a label.
void RemoveRowHotkey(WorkingSettings& settings, std::size_t row);

// Whether a label is already shown by a preload entry or by a toggle offered
// in ToggleCombo; one row and one toggle may be left out of the comparison.
// Labels compare as texts, so Left Ctrl+Shift+A differs from Ctrl+Shift+A.
bool LabelInUse(const MainWindow& window, const std::string& label, std::optional<std::size_t> exceptRow,
                std::optional<int> exceptToggle);

}  // namespace fennick
