// Hotkey codes and their text forms: the key name table, labels, the
// command-line form and the status line.
#include <gtest/gtest.h>

#include <set>

#include "common/text.h"
#include "hotkeys/hotkey_codes.h"
#include "platform/sim/sim_windows.h"
#include "registry/schema.h"

namespace fennick {
namespace {

constexpr UiLanguage En = UiLanguage::English;
constexpr UiLanguage Zh = UiLanguage::Simplified;
constexpr UiLanguage Tw = UiLanguage::Traditional;

TEST(KeyNameTable, HoldsTheNinetyOneKeysInEditorOrder) {
  // Built from the table's row descriptions: names and codes side by side.
  std::vector<std::pair<std::string, int>> expected;
  auto run = [&](const std::vector<std::string>& names, std::vector<int> codes) {
    for (std::size_t i = 0; i < names.size(); ++i) expected.emplace_back(names[i], codes[i]);
  };
  auto counting = [](int first, int count) {
    std::vector<int> codes;
    for (int i = 0; i < count; ++i) codes.push_back(first + i);
    return codes;
  };
  std::vector<std::string> digits, functionKeys, letters, numpad;
  for (int i = 0; i < 10; ++i) digits.push_back(std::to_string(i));
  for (int i = 1; i <= 12; ++i) functionKeys.push_back("F" + std::to_string(i));
  for (char c = 'A'; c <= 'Z'; ++c) letters.push_back(std::string(1, c));
  for (int i = 0; i < 10; ++i) numpad.push_back("NUMPAD " + std::to_string(i));
  run(digits, counting(0x30, 10));
  run({"SPACE"}, {0x20});
  run(functionKeys, counting(0x70, 12));
  run(letters, counting(0x41, 26));
  run({";", "=", ",", "-", ".", "?", "`", "[", "\\", "]", "'"},
      {0xBA, 0xBB, 0xBC, 0xBD, 0xBE, 0xBF, 0xC0, 0xDB, 0xDC, 0xDD, 0xDE});
  run({"BACKSPACE", "TAB", "ENTER", "PAGE UP", "PAGE DOWN", "END", "HOME", "LEFT", "UP", "RIGHT", "DOWN", "INS", "DEL",
       "LEFT WINDOW", "RIGHT WINDOW", "APPS"},
      {0x08, 0x09, 0x0D, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x2D, 0x2E, 0x5B, 0x5C, 0x5D});
  run(numpad, counting(0x60, 10));
  run({"NUMPAD *", "NUMPAD +", "NUMPAD -", "NUMPAD .", "NUMPAD /"}, {0x6A, 0x6B, 0x6D, 0x6E, 0x6F});
  ASSERT_EQ(expected.size(), 91u);

  std::set<std::string> names, codes;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const KeyNameEntry& entry = KeyNameTable()[i];
    EXPECT_EQ(entry.Name, expected[i].first) << "entry " << i;
    EXPECT_EQ(entry.Code, Hex8(static_cast<std::uint32_t>(expected[i].second)).substr(6)) << "entry " << i;
    names.insert(entry.Name);
    codes.insert(entry.Code);
  }
  EXPECT_EQ(names.size(), 91u);
  EXPECT_EQ(codes.size(), 91u);
}

TEST(KeyNameTable, LookupsCompareExactly) {
  const struct {
    const char* Code;
    const char* Name;
  } byCode[] = {{"38", "8"}, {"68", "NUMPAD 8"}, {"BF", "?"}, {"C0", "`"}, {"21", "PAGE UP"},
                {"bf", ""},  {"13", ""},         {"", ""}};
  for (const auto& c : byCode) EXPECT_EQ(KeyNameOfCode(c.Code), c.Name) << c.Code;
  const struct {
    const char* Name;
    const char* Code;
  } byName[] = {{"DEL", "2E"}, {"NUMPAD 8", "68"}, {",", "BC"}, {"del", ""}, {"~", ""}, {"PAGEUP", ""}, {"", ""}};
  for (const auto& c : byName) EXPECT_EQ(KeyCodeOfName(c.Name), c.Code) << c.Name;
}

TEST(HotkeyValues, RegistryFormIsFourBytesLeastSignificantFirst) {
  EXPECT_EQ(HotkeyValueBytes(0xC006), (std::array<std::uint8_t, 4>{0x06, 0xC0, 0x00, 0x00}));
  EXPECT_EQ(HotkeyValueBytes(0x20), (std::array<std::uint8_t, 4>{0x20, 0x00, 0x00, 0x00}));
  EXPECT_EQ(HotkeyValueFromBytes({0x04, 0x08, 0x01, 0xE0}), 0xE0010804u);
}

TEST(HotkeyLabel, SideModifierAndKeyFromTheStoredTexts) {
  const struct {
    const char* Modifiers;
    const char* VirtualKey;
    UiLanguage Language;
    const char* Label;
  } cases[] = {
      {"00008006", "00000038", En, "Left Ctrl+Shift+8"},
      {"00008006", "00000038", Zh, "左 Ctrl+Shift+8"},
      {"00008006", "00000038", Tw, "左 Ctrl+Shift+8"},
      {"00004005", "000000BF", En, "Right Alt+Shift+?"},
      {"00004005", "000000BF", Tw, "右 Alt+Shift+?"},
      {"0000C001", "0000002E", En, "Alt+DEL"},
      {"0000C006", "00000020", Zh, "Ctrl+Shift+SPACE"},
      {"0000C007", "00000068", En, "Ctrl+Alt+Shift+NUMPAD 8"},
      {"0000C003", "00000070", En, "Ctrl+Alt+F1"},
      {"00008000", "00000041", En, "Left +A"},          // a side but no modifier
      {"0000C002", "00000013", En, "Ctrl"},             // a key outside the table
      {"0000C008", "00000041", En, "+A"},               // a modifier code outside 01-07
      {"00000006", "00000041", En, "Ctrl+Shift+A"},     // side 00: no side text
      {"0000c006", "000000bf", En, "Ctrl+Shift+?"},     // key digits made upper case
      {"00008006", "00000168", En, "Left Ctrl+Shift+NUMPAD 8"},  // only the low byte of the key
      {"00000000", "00000000", En, ""},
      {"", "00000041", En, ""},
      {"0000C002", "", En, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatHotkeyLabel(c.Modifiers, c.VirtualKey, c.Language), c.Label)
        << c.Modifiers << " " << c.VirtualKey;
  }
}

TEST(HotkeyText, SplitsIntoModifierKeyAndSideWords) {
  const struct {
    const char* Text;
    HotkeyWords Words;
  } cases[] = {
      {"Ctrl+Shift_8_Left", {"Ctrl+Shift", "8", "Left", false}},
      {"Alt_del", {"Alt", "del", "", false}},
      {"ctrl", {"ctrl", "", "", false}},
      {"ctrl__left", {"ctrl", "", "left", false}},
      {"_a", {"", "a", "", false}},
      {"ctrl_a_", {"ctrl", "a", "", false}},
      {"", {"", "", "", false}},
      {"ctrl_a_left_x", {"ctrl", "", "", true}},
  };
  for (const auto& c : cases) {
    HotkeyWords words = SplitHotkeyText(c.Text);
    EXPECT_EQ(words.ModifierWord, c.Words.ModifierWord) << c.Text;
    EXPECT_EQ(words.KeyWord, c.Words.KeyWord) << c.Text;
    EXPECT_EQ(words.SideWord, c.Words.SideWord) << c.Text;
    EXPECT_EQ(words.ExtraPieces, c.Words.ExtraPieces) << c.Text;
  }
}

TEST(HotkeyText, ParsesIntoStoredTextsIgnoringCase) {
  const struct {
    const char* Text;
    UiLanguage Language;
    const char* Modifiers;
    const char* VirtualKey;
    const char* SideText;
    const char* Label;  // FormatHotkeyLabel of the result
  } cases[] = {
      {"Ctrl+Shift_8_Left", En, "00008006", "00000038", "Left ", "Left Ctrl+Shift+8"},
      {"Ctrl+Shift_8_Left", Zh, "00008006", "00000038", "左 ", "左 Ctrl+Shift+8"},
      {"Alt_del", En, "0000C001", "0000002E", "", "Alt+DEL"},
      {"alt+shift_?_right", En, "00004005", "000000BF", "Right ", "Right Alt+Shift+?"},
      {"alt+shift_?_RIGHT", Tw, "00004005", "000000BF", "右 ", "右 Alt+Shift+?"},
      {"CTRL+SHIFT_page up_LEFT", En, "00008006", "00000021", "Left ", "Left Ctrl+Shift+PAGE UP"},
      {"ctrl_NUMPAD 8", En, "0000C002", "00000068", "", "Ctrl+NUMPAD 8"},
      {"ctrl+alt+shift_space", En, "0000C007", "00000020", "", "Ctrl+Alt+Shift+SPACE"},
      {"shift_,", En, "0000C004", "000000BC", "", "Shift+,"},
      {"ctrl+shift", En, "0000C006", "", "", ""},  // no key piece: no key
      {"ctrl_a_", En, "0000C002", "00000041", "", "Ctrl+A"},
  };
  for (const auto& c : cases) {
    ParsedHotkey parsed = ParseHotkeyText(SplitHotkeyText(c.Text), c.Language);
    EXPECT_TRUE(parsed.Valid) << c.Text;
    EXPECT_EQ(parsed.Modifiers, c.Modifiers) << c.Text;
    EXPECT_EQ(parsed.VirtualKey, c.VirtualKey) << c.Text;
    EXPECT_EQ(parsed.SideText, c.SideText) << c.Text;
    EXPECT_EQ(FormatHotkeyLabel(parsed.Modifiers, parsed.VirtualKey, c.Language), c.Label) << c.Text;
  }
}

TEST(HotkeyText, WordsWithoutACodeMakeTheHotkeyInvalid) {
  for (const char* text : {
           "alt+ctrl_a",      // the words of a modifier come in a fixed order
           "win_a",           // no such modifier
           "_a",              // an empty modifier word
           "",                //
           "ctrl_a_middle",   // no such side
           "ctrl_a_l",        //
           "ctrl_~",          // not a key name ("~" stands for the comma only in other switches)
           "ctrl_pageup",     //
           "ctrl_a_left_x",   // more than three pieces
       }) {
    ParsedHotkey parsed = ParseHotkeyText(SplitHotkeyText(text), En);
    EXPECT_FALSE(parsed.Valid) << text;
    EXPECT_EQ(parsed.Modifiers, "") << text;
    EXPECT_EQ(parsed.VirtualKey, "") << text;
    EXPECT_EQ(parsed.SideText, "") << text;
  }
}

TEST(StatusLine, ShowsHotkeyLayoutFileAndId) {
  sim::SimWindows windows;
  windows.Registry.PutString(schema::HKLM, schema::CatalogKey("E0010804"), "Layout File", "kbdus.dll");
  Context context(windows.Platform());
  const struct {
    const char* Id;
    const char* Label;
    UiLanguage Language;
    const char* Line;
  } cases[] = {
      {"E0010804", "Left Ctrl+Shift+1", En, "Hotkey: Left Ctrl+Shift+1 KBDUS.DLL | E0010804"},
      {"E0010804", "左 Ctrl+Shift+1", Zh, "热键: 左 Ctrl+Shift+1 KBDUS.DLL | E0010804"},
      {"E0010804", "Alt+A", Tw, "熱鍵: Alt+A KBDUS.DLL | E0010804"},
      {"E0010804", "", En, "KBDUS.DLL | E0010804"},
      {"E0020804", "", Zh, " | E0020804"},  // no catalog entry
      {"E0020804", "Alt+A", En, "Hotkey: Alt+A  | E0020804"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatStatusLine(context, c.Id, c.Label, c.Language), c.Line) << c.Id << " " << c.Label;
  }
}

}  // namespace
}  // namespace fennick
