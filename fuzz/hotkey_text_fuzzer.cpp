// Hotkey texts as the command line gives them: splitting, parsing and labelling
// any text in any language.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/invariants.h"
#include "hotkeys/hotkey_codes.h"

using namespace fennick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  for (UiLanguage language : {UiLanguage::English, UiLanguage::Simplified, UiLanguage::Traditional}) {
    HotkeyWords words = SplitHotkeyText(text);
    ParsedHotkey parsed = ParseHotkeyText(words, language);
    if (parsed.Valid) {
      fuzz::Require(parsed.Modifiers.size() == 8, "modifiers are eight digits");
      fuzz::Require(parsed.VirtualKey.empty() || parsed.VirtualKey.size() == 8, "a key is eight digits");
      FormatHotkeyLabel(parsed.Modifiers, parsed.VirtualKey, language);
    } else {
      fuzz::Require(parsed.Modifiers.empty() && parsed.VirtualKey.empty(), "an invalid hotkey has no codes");
    }
    // Stored values of any shape still give a label.
    const std::size_t half = text.size() / 2;
    FormatHotkeyLabel(text.substr(0, half), text.substr(half), language);
  }
  return 0;
}
