// Hotkey records and switching chords written and read back through the
// platform's registry, checked with their stored types and bytes.
#include <gtest/gtest.h>

#include "conformance/scratch.h"
#include "hotkeys/ime_hotkeys.h"
#include "hotkeys/switch_chords.h"
#include "registry/schema.h"

namespace fennick::conformance {
namespace {

using platform::RegRoot;
using platform::RegType;
using platform::RegValue;

class HotkeyRecordsConformance : public ::testing::Test {
 protected:
  void SetUp() override { Clear(); }
  void TearDown() override { Clear(); }
  void Clear() {
    DeleteTree(os_.registry, RegRoot::CurrentUser, schema::kHotKeysKey);
    DeleteTree(os_.registry, RegRoot::CurrentUser, schema::kToggleKey);
  }

  RegValue Raw(const std::string& path, const std::string& name) {
    RegValue value;
    RegKey key = context_.Registry.OpenForRead(RegRoot::CurrentUser, path);
    EXPECT_TRUE(os_.registry.QueryValue(key.Handle(), name, value)) << path << "|" << name;
    return value;
  }
  void ExpectBinary(std::uint32_t record, const char* name, std::vector<std::uint8_t> bytes) {
    RegValue value = Raw(schema::HotKeyRecordKey(record), name);
    EXPECT_EQ(value.Type, RegType::Binary) << record << " " << name;
    EXPECT_EQ(value.Data, bytes) << record << " " << name;
  }

  static MainWindow Window() {
    MainWindow window;
    window.SystemLocale = 0x0804;
    window.Language = UiLanguage::English;
    window.ToggleCombo.Items = ToggleItems(UiLanguage::English);
    for (const char* id : {"00000804", "E0010804"}) window.Settings.PreloadList.push_back({id, id, id, "", ""});
    window.Settings.IndicatorStyle = Indicator::TextServices;
    return window;
  }

  platform::Platform os_ = PlatformUnderTest();
  Context context_{os_};
};

TEST_F(HotkeyRecordsConformance, RecordsAndChordsRoundTrip) {
  MainWindow written = Window();
  written.Settings.ImeHotkeys = {{"0000C006", "00000020", "00000804"}, {"00008006", "00000038", "E0010804"}};
  written.Settings.OtherToggles[0] = {"0000C002", "000000BE"};
  written.Settings.LanguageSwitchOn = true;
  written.Settings.LanguageChord = chord::AltShift;
  written.Settings.LayoutSwitchOn = false;
  WriteImeHotkeys(context_, written.Settings);
  WriteOtherToggles(context_, written);
  WriteSwitchChords(context_, written.Settings);

  ExpectBinary(0x100, "Key Modifiers", {0x06, 0xC0, 0x00, 0x00});
  ExpectBinary(0x100, "Virtual Key", {0x20, 0x00, 0x00, 0x00});
  ExpectBinary(0x100, "Target IME", {0x04, 0x08, 0x04, 0x08});
  ExpectBinary(0x101, "Key Modifiers", {0x06, 0x80, 0x00, 0x00});
  ExpectBinary(0x101, "Target IME", {0x04, 0x08, 0x01, 0xE0});
  ExpectBinary(0x10, "Key Modifiers", {0x02, 0xC0, 0x00, 0x00});
  ExpectBinary(0x10, "Virtual Key", {0xBE, 0x00, 0x00, 0x00});
  ExpectBinary(0x11, "Key Modifiers", {0x00, 0x00, 0x00, 0x00});
  ExpectBinary(0x12, "Target IME", {0x00, 0x00, 0x00, 0x00});
  for (const char* name : {"hotkey", "Language Hotkey", "Layout Hotkey"}) {
    RegValue value = Raw(schema::kToggleKey, name);
    EXPECT_EQ(value.Type, RegType::Sz) << name;
    std::string text(value.Data.begin(), value.Data.end());
    EXPECT_EQ(text, std::string(name) == "Layout Hotkey" ? "3" : "1") << name;
  }

  MainWindow read = Window();
  ReadImeHotkeys(context_, read);
  ReadOtherToggles(context_, read);
  ReadSwitchChords(context_, read);
  ASSERT_EQ(read.Settings.ImeHotkeys.size(), 2u);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(read.Settings.ImeHotkeys[i].Modifiers, written.Settings.ImeHotkeys[i].Modifiers);
    EXPECT_EQ(read.Settings.ImeHotkeys[i].VirtualKey, written.Settings.ImeHotkeys[i].VirtualKey);
    EXPECT_EQ(read.Settings.ImeHotkeys[i].TargetLayoutId, written.Settings.ImeHotkeys[i].TargetLayoutId);
  }
  EXPECT_EQ(read.Settings.PreloadList[0].HotkeyLabel, "Ctrl+Shift+SPACE");
  EXPECT_EQ(read.Settings.PreloadList[1].HotkeyLabel, "Left Ctrl+Shift+8");
  EXPECT_EQ(read.Settings.OtherToggles[0].Modifiers, "0000C002");
  EXPECT_EQ(read.Settings.OtherToggles[0].VirtualKey, "000000BE");
  EXPECT_EQ(read.Settings.OtherToggles[1].Modifiers, "00000000");
  EXPECT_EQ(read.ToggleHotkeyButton.Caption, "Ctrl+.");
  EXPECT_TRUE(read.Settings.LanguageSwitchOn);
  EXPECT_EQ(read.Settings.LanguageChord, chord::AltShift);
  EXPECT_FALSE(read.Settings.LayoutSwitchOn);
  EXPECT_EQ(read.Settings.LayoutChord, chord::AltShift);
}

}  // namespace
}  // namespace fennick::conformance
