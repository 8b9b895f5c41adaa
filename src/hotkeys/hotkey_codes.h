// How a hotkey is coded, named and written.
//
// A hotkey is two 32-bit numbers that Windows reads from the registry: the
// modifiers value (bits 0-7 the ModifierCode, bits 8-15 the SideCode) and the
// key value (a virtual-key code in the low byte). Inside the working settings
// each is held as eight upper-case hexadecimal digits (Hex8: 0xC006 gives
// "0000C006"), or as empty text when there is no hotkey; in the registry as four
// bytes, least significant first.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/ui_language.h"
#include "registry/context.h"

namespace fennick {

// ModifierCode bits (the Windows MOD_ALT, MOD_CONTROL and MOD_SHIFT bits).
namespace modifier {
constexpr std::uint32_t Alt = 0x01;
constexpr std::uint32_t Ctrl = 0x02;
constexpr std::uint32_t Shift = 0x04;
}  // namespace modifier

// SideCode values: which hand's modifier keys count.
namespace side {
constexpr std::uint32_t Right = 0x40;
constexpr std::uint32_t Left = 0x80;
constexpr std::uint32_t Either = 0xC0;
}  // namespace side

// Texts shown with hotkeys. A side text ends with one space.
constexpr Text3 kLeftSideText = {"Left ", "左 ", "左 "};
constexpr Text3 kRightSideText = {"Right ", "右 ", "右 "};
// Caption of the hotkey column of the preload list.
constexpr Text3 kHotkeyColumnCaption = {"Hotkey", "热键", "熱鍵"};

struct KeyNameEntry {
  const char* Name;  // upper case, never translated
  const char* Code;  // two upper-case hexadecimal digits
};

// The 91 key names with their virtual-key codes, in the order the hotkey editor
// offers them.
const std::array<KeyNameEntry, 91>& KeyNameTable();

// The name of the first entry whose code equals the two digits; empty when none.
std::string KeyNameOfCode(const std::string& code);
// The code of the first entry whose name equals the text; empty when none. Both
// lookups compare exactly; callers give upper-case input.
std::string KeyCodeOfName(const std::string& name);

// A hotkey value's registry form: four bytes, least significant first.
std::array<std::uint8_t, 4> HotkeyValueBytes(std::uint32_t value);
std::uint32_t HotkeyValueFromBytes(const std::array<std::uint8_t, 4>& bytes);

// The HotkeyLabel of a stored hotkey: [side text] modifier name ["+" key name],
// for example "Left Ctrl+Shift+8". Empty when either text is empty; a part
// without a known code is left out.
std::string FormatHotkeyLabel(const std::string& modifiers, const std::string& virtualKey, UiLanguage language);

// The words of a HotkeyText such as "Ctrl+Shift_8_Left".
struct HotkeyWords {
  std::string ModifierWord;
  std::string KeyWord;   // empty when the text has no second piece
  std::string SideWord;  // empty when the text has no third piece
  // The text has more than three pieces; no key name holds a "_", so such a
  // text names no hotkey.
  bool ExtraPieces = false;
};

// Cuts the text at every "_": the first piece is the modifier word, the second
// the key word, the third the side word. With more than three pieces only the
// modifier word is taken.
HotkeyWords SplitHotkeyText(const std::string& text);

struct ParsedHotkey {
  // False when a word has no code: a modifier word that is not one of the seven
  // command-line words (the empty word included), a side word other than
  // "left", "right" or empty, a key word that is neither empty nor a key name,
  // or a text with more than three pieces. Callers then set nothing.
  bool Valid = false;
  std::string Modifiers;   // "0000" + side code + modifier code
  std::string VirtualKey;  // "000000" + key code; empty for an empty key word
  std::string SideText;    // LeftSideText, RightSideText, or empty for either side
};

// Converts the words, ignoring their letter case: ("Ctrl+Shift", "8", "Left")
// gives "00008006", "00000038" and "Left ".
ParsedHotkey ParseHotkeyText(const HotkeyWords& words, UiLanguage language);

// The status line for a row of the preload list: "Hotkey: <label> <LAYOUT
// FILE> | <LayoutId>" when the row shows a hotkey label, otherwise
// "<LAYOUT FILE> | <LayoutId>". The layout file is read from the catalog.
std::string FormatStatusLine(Context& context, const std::string& layoutId, const std::string& hotkeyLabel,
                             UiLanguage language);

}  // namespace fennick
