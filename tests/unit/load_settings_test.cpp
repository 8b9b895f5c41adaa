#include <gtest/gtest.h>

#include "hotkeys/ime_hotkeys.h"
#include "test_machine.h"

namespace fennick {
namespace {

using testing::CatalogItem;
using testing::TestMachine;
using Ids = std::vector<std::string>;

// A Simplified Chinese machine: US and Chinese layouts, IMEs with and without
// a described file, one whose file is gone, one plain layout elsewhere.
void ChineseCatalog(TestMachine& m) {
  m.AddLayout({"00000409", "US", "", ""});
  m.AddLayout({"00000804", "Chinese (Simplified) - US Keyboard", "", ""});
  m.AddLayout({"E0010804", "Chinese (Simplified) - Pinyin", "Microsoft Pinyin", "PINYIN.IME"});
  m.AddLayout({"E0020804", "Chinese (Simplified) - Zhengma", "", "zhengma.ime"});
  m.AddLayout({"E0030804", "Chinese (Simplified) - Gone", "", "GONE.IME"});
  m.AddLayout({"E0040804", "Chinese (Simplified) - Plain File", "", "PLAIN.IME"});
  m.AddLayout({"00000411", "Japanese", "", "", "KBDJPN.DLL"});
  m.AddImeFile("PINYIN.IME", "微软拼音输入法");
  m.AddImeFile("ZHENGMA.IME", "郑码输入法");
  m.AddImeFile("PLAIN.IME", "");
}

class LoadTest : public ::testing::Test {
 protected:
  LoadTest() { ChineseCatalog(m); }
  TestMachine m;
};

TEST_F(LoadTest, ThePreloadListEndsAtTheFirstMissingNumberAndIsHeldInUpperCase) {
  m.windows.Registry.PutString(schema::HKCU, schema::kPreloadKey, "1", "00000804");
  m.windows.Registry.PutString(schema::HKCU, schema::kPreloadKey, "2", "e0010804");
  m.windows.Registry.PutString(schema::HKCU, schema::kPreloadKey, "4", "E0020804");
  m.Load();
  EXPECT_EQ(m.PreloadIds(), (Ids{"00000804", "E0010804"}));
  EXPECT_EQ(m.window.Settings.LoadedPreloadCount, 2);
}

TEST_F(LoadTest, EntriesWithoutNamesAreLeftOutAndTheStyleDecidesWhichNamesCount) {
  // E0040804's file has no description: nameless under the legacy indicator,
  // named by its layout text under text services. 00000407 has no catalog key.
  m.SetPreload({"00000804", "00000407", "E0040804", "E0030804"});
  struct Case {
    const char* running;
    Ids preload;
    Ids rows;
  } cases[] = {
      {"internat.exe", {"00000804", "E0030804"}, {"Chinese (Simplified) - US Keyboard", "Chinese (Simplified) - Gone"}},
      {"ctfmon.exe",
       {"00000804", "E0040804", "E0030804"},
       {"Chinese (Simplified) - US Keyboard", "Chinese (Simplified) - Plain File", "Chinese (Simplified) - Gone"}},
  };
  for (const Case& c : cases) {
    m.windows.Processes.Running.clear();
    m.windows.Processes.AddProcess(c.running);
    m.Load();
    EXPECT_EQ(m.PreloadIds(), c.preload) << c.running;
    EXPECT_EQ(m.RowNames(), c.rows) << c.running;
    EXPECT_EQ(m.window.Settings.LoadedPreloadCount, static_cast<int>(c.preload.size()));
  }
}

TEST_F(LoadTest, TheRunningIndicatorDecidesTheStyle) {
  struct Case {
    const char* name;
    std::uint32_t version;
    std::vector<std::string> running;
    bool enabledBefore;
    Indicator style;
    bool enabledAfter;
    bool indicatorRadioEnabled, servicesRadioEnabled;
  } cases[] = {
      {"internat", sim::version::WindowsXP, {"internat.exe"}, true, Indicator::LegacyIndicator, true, true, true},
      {"ctfmon", sim::version::WindowsXP, {"C:\\WINDOWS\\system32\\CTFMON.EXE"}, true, Indicator::TextServices, true,
       true, true},
      {"both", sim::version::WindowsXP, {"internat.exe", "ctfmon.exe"}, true, Indicator::TextServices, true, true, true},
      {"neither", sim::version::WindowsXP, {}, true, Indicator::LegacyIndicator, false, true, true},
      {"neither, already off", sim::version::WindowsXP, {}, false, Indicator::LegacyIndicator, false, false, false},
      {"Windows 7, internat", sim::version::Windows7, {"internat.exe"}, true, Indicator::TextServices, true, false, true},
      {"Vista, neither", sim::version::WindowsVista, {}, true, Indicator::TextServices, true, false, true},
  };
  for (const Case& c : cases) {
    m.windows.System.Version = c.version;
    m.Reset();
    m.windows.Processes.Running.clear();
    for (const std::string& name : c.running) m.windows.Processes.AddProcess(name);
    m.window.Settings.IndicatorEnabled = c.enabledBefore;
    m.Load();
    EXPECT_EQ(m.window.Settings.IndicatorStyle, c.style) << c.name;
    EXPECT_EQ(m.window.Settings.ShownIndicatorStyle, c.style) << c.name;
    EXPECT_EQ(m.window.Settings.IndicatorEnabled, c.enabledAfter) << c.name;
    EXPECT_EQ(m.window.IndicatorRadio.Enabled, c.indicatorRadioEnabled) << c.name;
    EXPECT_EQ(m.window.TextServicesRadio.Enabled, c.servicesRadioEnabled) << c.name;
  }
}

TEST_F(LoadTest, TheAvailableListHoldsWhatIsNotPreloadedWithShownNames) {
  m.SetPreload({"00000804", "E0010804"});
  m.windows.Processes.AddProcess("ctfmon.exe");
  m.Load();
  // Not the preloaded entries, not the IME whose file is gone.
  EXPECT_EQ(m.AvailableIds(), (Ids{"00000409", "E0020804", "E0040804", "00000411"}));
  EXPECT_EQ(m.window.AvailableCombo.Items,
            (Ids{"US", "郑码输入法", "", "Japanese"}));  // services names: display name, else legacy name
  EXPECT_EQ(m.window.AvailableCombo.Current, 0);
  EXPECT_EQ(m.RowNames(), (Ids{"Chinese (Simplified) - US Keyboard", "Microsoft Pinyin"}));
}

TEST_F(LoadTest, HotkeysOnlyForPreloadedTargetsAndTheFirstRowIsSelected) {
  m.SetPreload({"00000804", "E0010804"});
  m.windows.Processes.AddProcess("internat.exe");
  auto record = [&](std::uint32_t number, std::vector<std::uint8_t> modifiers, std::vector<std::uint8_t> key,
                    std::vector<std::uint8_t> target) {
    const std::string path = schema::HotKeyRecordKey(number);
    m.windows.Registry.PutBytes(schema::HKCU, path, "Key Modifiers", modifiers);
    m.windows.Registry.PutBytes(schema::HKCU, path, "Virtual Key", key);
    m.windows.Registry.PutBytes(schema::HKCU, path, "Target IME", target);
  };
  record(0x100, {0x06, 0xC0, 0, 0}, {0x31, 0, 0, 0}, {0x04, 0x08, 0x01, 0xE0});
  record(0x101, {0x06, 0xC0, 0, 0}, {0x32, 0, 0, 0}, {0x04, 0x08, 0x02, 0xE0});  // E0020804: not preloaded
  m.Load();
  ASSERT_EQ(m.window.Settings.ImeHotkeys.size(), 1u);
  EXPECT_EQ(m.window.Settings.PreloadList[1].HotkeyLabel, "Ctrl+Shift+1");
  EXPECT_EQ(m.window.PreloadListView.Selected, 0);
  EXPECT_FALSE(m.window.UpButton.Enabled);
  EXPECT_TRUE(m.window.DownButton.Enabled);
  EXPECT_FALSE(m.window.PropertiesButton.Enabled);
  EXPECT_TRUE(m.window.StatusLine.Exists);
  EXPECT_EQ(m.window.StatusLine.Text, "KBDUS.DLL | 00000804");
}

TEST_F(LoadTest, CapsLockStatusWindowAndChordsComeFromTheRegistry) {
  m.SetPreload({"00000804"});
  m.windows.Registry.PutDword(schema::HKCU, schema::kKeyboardLayoutKey, "Attributes", 0x10000);
  m.windows.Registry.PutString(schema::HKCU, schema::kInputMethodKey, "Show Status", "1");
  m.windows.Registry.PutString(schema::HKCU, schema::kToggleKey, "Hotkey", "1");
  m.Load();
  EXPECT_EQ(m.window.Settings.CapsRelease, 1);
  EXPECT_TRUE(m.window.Settings.ShowStatusWindow);
  EXPECT_TRUE(m.window.Settings.LanguageSwitchOn);
  EXPECT_EQ(m.window.Settings.LanguageChord, chord::AltShift);

  m.windows.Registry.PutBytes(schema::HKCU, schema::kKeyboardLayoutKey, "Attributes", {0, 0, 1, 0});  // not a DWORD
  m.windows.Registry.PutString(schema::HKCU, schema::kInputMethodKey, "Show Status", "yes");
  m.Load();
  EXPECT_EQ(m.window.Settings.CapsRelease, 0);
  EXPECT_FALSE(m.window.Settings.ShowStatusWindow);
}

TEST_F(LoadTest, TheConstructionLeavesLegacyChordsBeforeTheFirstLoad) {
  EXPECT_EQ(m.window.Settings.LanguageChord, chord::CtrlShift);
  EXPECT_EQ(m.window.Settings.LayoutChord, chord::AltShift);
  EXPECT_EQ(m.window.Settings.IndicatorStyle, Indicator::LegacyIndicator);
  EXPECT_TRUE(m.window.Settings.IndicatorEnabled);
  EXPECT_FALSE(m.window.PreloadListView.EditLabels);
  EXPECT_FALSE(m.window.LayoutSwitchCheck.Enabled);
  EXPECT_EQ(m.window.LanguageSwitchCheck.Caption, "切换输入法");
}

TEST_F(LoadTest, OnlyTheFirstThirtyLoadedLayoutsHaveHandles) {
  m.SetPreload({"00000804"});
  for (std::uint32_t i = 0; i < 35; ++i) m.windows.Keyboard.Loaded.push_back(0x1000 + i);
  m.Load();
  const auto& slots = m.window.Settings.LayoutHandles;
  EXPECT_EQ(slots[0], 0x1000u);
  EXPECT_EQ(slots[29], 0x1000u + 29);
  EXPECT_EQ(slots[30], 0u);

  m.windows.Keyboard.Loaded = {0x08040804, 0x04090409};
  m.Load();
  EXPECT_EQ(slots[1], 0x04090409u);
  EXPECT_EQ(slots[2], 0u);
}

TEST_F(LoadTest, TheWindows95LineKeepsThePreloadListInSubKeys) {
  m.windows.System.Version = sim::version::Windows98;
  m.Reset();
  m.windows.Registry.PutString(schema::HKCU, schema::PreloadSubKey(1), "", "00000804");
  m.windows.Registry.PutString(schema::HKCU, schema::PreloadSubKey(2), "", "e0010804");
  m.windows.Registry.PutString(schema::HKCU, schema::PreloadSubKey(4), "", "00000409");
  m.Load();
  EXPECT_EQ(m.PreloadIds(), (Ids{"00000804", "E0010804"}));
  EXPECT_FALSE(m.window.CapsCombo.Enabled);
}

TEST_F(LoadTest, AListWithoutCatalogDataLoadsEmpty) {
  m.SetPreload({"00000407", "0000040C"});
  m.Load();
  EXPECT_TRUE(m.PreloadIds().empty());
  EXPECT_EQ(m.window.PreloadListView.Selected, -1);
  EXPECT_TRUE(m.window.RowImages.empty());
}

TEST_F(LoadTest, RowImagesComeFromImeFilesWithIcons) {
  m.SetPreload({"00000804", "E0010804", "E0020804"});
  m.windows.Files.Get(m.SystemFile("PINYIN.IME"))->Icon = true;
  m.Load();
  EXPECT_EQ(m.window.RowImages, (Ids{"", m.SystemFile("PINYIN.IME"), ""}));
}

}  // namespace
}  // namespace fennick
