#include "hotkeys/hotkey_codes.h"

#include "common/text.h"
#include "registry/catalog_value.h"
#include "registry/schema.h"

namespace fennick {

namespace {

struct ModifierName {
  const char* Code;  // two digits, as in the Modifiers text
  const char* DisplayName;
  const char* Word;
};

constexpr ModifierName kModifierNames[] = {
    {"01", "Alt", "alt"},
    {"02", "Ctrl", "ctrl"},
    {"03", "Ctrl+Alt", "ctrl+alt"},
    {"04", "Shift", "shift"},
    {"05", "Alt+Shift", "alt+shift"},
    {"06", "Ctrl+Shift", "ctrl+shift"},
    {"07", "Ctrl+Alt+Shift", "ctrl+alt+shift"},
};

constexpr char kRightWord[] = "right";
constexpr char kLeftWord[] = "left";
constexpr char kRightCode[] = "40";
constexpr char kLeftCode[] = "80";
constexpr char kEitherCode[] = "C0";

// Digits 5-6 and 7-8 of an eight-digit text, as far as they exist.
std::string Digits(const std::string& text, std::size_t first) {
  return text.size() > first ? text.substr(first, 2) : std::string();
}

}  // namespace

const std::array<KeyNameEntry, 91>& KeyNameTable() {
  static const std::array<KeyNameEntry, 91> table = {{
      {"0", "30"}, {"1", "31"}, {"2", "32"}, {"3", "33"}, {"4", "34"},
      {"5", "35"}, {"6", "36"}, {"7", "37"}, {"8", "38"}, {"9", "39"},
      {"SPACE", "20"},
      {"F1", "70"}, {"F2", "71"}, {"F3", "72"}, {"F4", "73"}, {"F5", "74"}, {"F6", "75"},
      {"F7", "76"}, {"F8", "77"}, {"F9", "78"}, {"F10", "79"}, {"F11", "7A"}, {"F12", "7B"},
      {"A", "41"}, {"B", "42"}, {"C", "43"}, {"D", "44"}, {"E", "45"}, {"F", "46"}, {"G", "47"},
      {"H", "48"}, {"I", "49"}, {"J", "4A"}, {"K", "4B"}, {"L", "4C"}, {"M", "4D"}, {"N", "4E"},
      {"O", "4F"}, {"P", "50"}, {"Q", "51"}, {"R", "52"}, {"S", "53"}, {"T", "54"}, {"U", "55"},
      {"V", "56"}, {"W", "57"}, {"X", "58"}, {"Y", "59"}, {"Z", "5A"},
      {";", "BA"}, {"=", "BB"}, {",", "BC"}, {"-", "BD"}, {".", "BE"}, {"?", "BF"},
      {"`", "C0"}, {"[", "DB"}, {"\\", "DC"}, {"]", "DD"}, {"'", "DE"},
      {"BACKSPACE", "08"}, {"TAB", "09"}, {"ENTER", "0D"}, {"PAGE UP", "21"}, {"PAGE DOWN", "22"},
      {"END", "23"}, {"HOME", "24"}, {"LEFT", "25"}, {"UP", "26"}, {"RIGHT", "27"}, {"DOWN", "28"},
      {"INS", "2D"}, {"DEL", "2E"}, {"LEFT WINDOW", "5B"}, {"RIGHT WINDOW", "5C"}, {"APPS", "5D"},
      {"NUMPAD 0", "60"}, {"NUMPAD 1", "61"}, {"NUMPAD 2", "62"}, {"NUMPAD 3", "63"}, {"NUMPAD 4", "64"},
      {"NUMPAD 5", "65"}, {"NUMPAD 6", "66"}, {"NUMPAD 7", "67"}, {"NUMPAD 8", "68"}, {"NUMPAD 9", "69"},
      {"NUMPAD *", "6A"}, {"NUMPAD +", "6B"}, {"NUMPAD -", "6D"}, {"NUMPAD .", "6E"}, {"NUMPAD /", "6F"},
  }};
  return table;
}

std::string KeyNameOfCode(const std::string& code) {
  for (const KeyNameEntry& entry : KeyNameTable()) {
    if (code == entry.Code) return entry.Name;
  }
  return {};
}

std::string KeyCodeOfName(const std::string& name) {
  for (const KeyNameEntry& entry : KeyNameTable()) {
    if (name == entry.Name) return entry.Code;
  }
  return {};
}

std::array<std::uint8_t, 4> HotkeyValueBytes(std::uint32_t value) {
  return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
          static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

std::uint32_t HotkeyValueFromBytes(const std::array<std::uint8_t, 4>& bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

std::string FormatHotkeyLabel(const std::string& modifiers, const std::string& virtualKey, UiLanguage language) {
  if (modifiers.empty() || virtualKey.empty()) return {};
  std::string label;
  std::string modifierCode = Digits(modifiers, 6);
  for (const ModifierName& modifier : kModifierNames) {
    if (modifierCode == modifier.Code) label = modifier.DisplayName;
  }
  std::string sideCode = ToUpperAscii(Digits(modifiers, 4));
  if (sideCode == kRightCode) label = kRightSideText.In(language) + label;
  if (sideCode == kLeftCode) label = kLeftSideText.In(language) + label;
  std::string keyName = KeyNameOfCode(ToUpperAscii(Digits(virtualKey, 6)));
  if (!keyName.empty()) label += "+" + keyName;
  return label;
}

HotkeyWords SplitHotkeyText(const std::string& text) {
  std::vector<std::string> pieces = Split('_', text);
  HotkeyWords words;
  words.ModifierWord = pieces[0];
  words.ExtraPieces = pieces.size() > 3;
  if (pieces.size() == 2 || pieces.size() == 3) words.KeyWord = pieces[1];
  if (pieces.size() == 3) words.SideWord = pieces[2];
  return words;
}

ParsedHotkey ParseHotkeyText(const HotkeyWords& words, UiLanguage language) {
  ParsedHotkey parsed;
  std::string modifierWord = ToLowerAscii(words.ModifierWord);
  std::string sideWord = ToLowerAscii(words.SideWord);
  std::string keyWord = ToUpperAscii(words.KeyWord);

  const ModifierName* modifier = nullptr;
  for (const ModifierName& candidate : kModifierNames) {
    if (modifierWord == candidate.Word) modifier = &candidate;
  }
  const char* sideCode = nullptr;
  if (sideWord == kRightWord) {
    sideCode = kRightCode;
    parsed.SideText = kRightSideText.In(language);
  } else if (sideWord == kLeftWord) {
    sideCode = kLeftCode;
    parsed.SideText = kLeftSideText.In(language);
  } else if (sideWord.empty()) {
    sideCode = kEitherCode;
  }
  std::string keyCode = KeyCodeOfName(keyWord);

  if (words.ExtraPieces || !modifier || !sideCode || (!keyWord.empty() && keyCode.empty())) return ParsedHotkey{};
  parsed.Valid = true;
  parsed.Modifiers = std::string("0000") + sideCode + modifier->Code;
  if (!keyWord.empty()) parsed.VirtualKey = "000000" + keyCode;
  return parsed;
}

std::string FormatStatusLine(Context& context, const std::string& layoutId, const std::string& hotkeyLabel,
                             UiLanguage language) {
  const std::string layoutFile = ToUpperAscii(ReadCatalogValue(context, layoutId, schema::kLayoutFileValue));
  std::string tail = layoutFile + " | " + layoutId;
  if (hotkeyLabel.empty()) return tail;
  return std::string(kHotkeyColumnCaption.In(language)) + ": " + hotkeyLabel + " " + tail;
}

}  // namespace fennick
