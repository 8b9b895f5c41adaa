// The one editable copy of the input-method configuration, between a load and
// an apply.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace fennick {

enum class Indicator { TextServices, LegacyIndicator };

// Indices of the two chord lists; -1 when no chord is chosen.
namespace chord {
constexpr int None = -1;
constexpr int CtrlShift = 0;
constexpr int AltShift = 1;
constexpr int GraveAccent = 2;
}  // namespace chord

struct PreloadEntry {
  std::string LayoutId;        // 8 upper-case hexadecimal digits
  std::string LegacyName;      // name under the legacy indicator
  std::string ServicesName;    // name under text services
  std::string NewDisplayName;  // a name the user gave the entry; empty by default
  std::string HotkeyLabel;     // label of the entry's hotkey; empty when none
};

struct AvailableEntry {
  std::string LayoutId;
  std::string LegacyName;
  std::string ServicesName;
};

// A hotkey that switches straight to one preload entry. Modifiers and VirtualKey
// are eight upper-case hexadecimal digits each, or empty.
struct ImeHotkey {
  std::string Modifiers;
  std::string VirtualKey;
  std::string TargetLayoutId;
};

// One of the IME toggle hotkeys: on/off, shape, symbol.
struct ToggleSlot {
  std::string Modifiers;
  std::string VirtualKey;
};

constexpr int kLayoutHandleSlots = 31;

struct WorkingSettings {
  std::vector<PreloadEntry> PreloadList;
  std::vector<AvailableEntry> AvailableList;
  std::vector<ImeHotkey> ImeHotkeys;
  // Slot i: the handle at position i of the system's loaded layouts, as read at
  // the last load; indexed by position in PreloadList.
  std::array<std::uint32_t, kLayoutHandleSlots> LayoutHandles{};
  std::array<ToggleSlot, 3> OtherToggles;
  int SelectedToggle = 0;  // the slot chosen in ToggleCombo

  Indicator IndicatorStyle = Indicator::TextServices;
  bool IndicatorEnabled = true;
  Indicator ShownIndicatorStyle = Indicator::TextServices;  // whose names are on screen

  bool LanguageSwitchOn = false;
  int LanguageChord = chord::CtrlShift;
  bool LayoutSwitchOn = false;
  int LayoutChord = chord::CtrlShift;

  int CapsRelease = 0;  // 0: the Caps Lock key switches Caps Lock off; 1: Shift does
  bool ShowStatusWindow = false;
  int LoadedPreloadCount = 0;
};

}  // namespace fennick
