#include <gtest/gtest.h>

#include "hotkeys/switch_chords.h"
#include "platform/sim/sim_windows.h"
#include "registry/schema.h"

namespace fennick {
namespace {

using platform::RegRoot;
constexpr int Ctrl = chord::CtrlShift, Alt = chord::AltShift, Grave = chord::GraveAccent, None = chord::None;
constexpr Indicator Legacy = Indicator::LegacyIndicator, Services = Indicator::TextServices;

class SwitchChordsTest : public ::testing::Test {
 protected:
  void UseVersion(std::uint32_t getVersion) {
    windows_.System.Version = getVersion;
    context_ = std::make_unique<Context>(windows_.Platform());
  }
  void PutToggle(const char* name, const char* digit) {
    if (digit) windows_.Registry.PutString(RegRoot::CurrentUser, schema::kToggleKey, name, digit);
  }
  std::optional<std::string> Toggle(const char* name) {
    return windows_.Registry.PeekString(RegRoot::CurrentUser, schema::kToggleKey, name);
  }

  sim::SimWindows windows_;
  std::unique_ptr<Context> context_ = std::make_unique<Context>(windows_.Platform());
  MainWindow window_;
};

TEST_F(SwitchChordsTest, ReadingTheToggleValues) {
  struct Case {
    const char* name;
    std::uint32_t version;
    Indicator style;
    const char *hotkey, *languageHotkey, *layoutHotkey, *defaultValue;
    bool languageOn;
    int languageChord;
    bool languageListEnabled;
    bool layoutOn;
    int layoutChord;
    bool layoutCheckEnabled;
    bool layoutListEnabled;
  } cases[] = {
      {"a 2 overrides a 1", sim::version::WindowsXP, Services, "1", "2", "1", nullptr, true, Ctrl, true, true, Alt, true, true},
      {"a 3 in either value switches off", sim::version::WindowsXP, Services, "1", "3", "2", nullptr, false, Alt, false,
       true, Ctrl, true, true},
      {"the grave accent where offered", sim::version::Windows7, Services, "4", "4", "4", nullptr, true, Grave, true,
       true, Grave, true, true},
      {"the grave accent where not offered", sim::version::WindowsXP, Services, "4", nullptr, "4", nullptr, true, None,
       true, true, None, true, true},
      {"layout 3 under the legacy indicator", sim::version::WindowsXP, Legacy, "2", "2", "3", nullptr, true, Ctrl, true,
       false, Alt, false, false},
      {"layout 3 under text services", sim::version::WindowsXP, Services, "2", "2", "3", nullptr, true, Ctrl, true,
       false, Alt, true, false},
      {"unknown digits leave the fields", sim::version::WindowsXP, Services, "9", "x", "", nullptr, false, Ctrl, true,
       false, Ctrl, true, true},
      {"missing values leave the fields", sim::version::WindowsXP, Legacy, nullptr, nullptr, nullptr, nullptr, false,
       Ctrl, true, false, Ctrl, false, false},
      {"Windows 98 legacy: default value, always on", sim::version::Windows98, Legacy, "3", "3", "1", "1", true, Alt,
       false, true, Alt, false, false},
      {"Windows 98 text services ignore the default", sim::version::Windows98, Services, "3", "3", "1", "2", false,
       Ctrl, false, true, Alt, true, true},
  };
  for (const Case& c : cases) {
    windows_.Registry.RemoveTree(RegRoot::CurrentUser, schema::kToggleKey);
    PutToggle(schema::kHotkeyValue, c.hotkey);
    PutToggle(schema::kLanguageHotkeyValue, c.languageHotkey);
    PutToggle(schema::kLayoutHotkeyValue, c.layoutHotkey);
    PutToggle(schema::kDefaultValue, c.defaultValue);
    UseVersion(c.version);
    window_ = MainWindow();
    window_.Settings.IndicatorStyle = c.style;
    window_.Settings.LanguageChord = Ctrl;
    window_.Settings.LayoutChord = Ctrl;

    ReadSwitchChords(*context_, window_);
    const WorkingSettings& s = window_.Settings;
    EXPECT_EQ(s.LanguageSwitchOn, c.languageOn) << c.name;
    EXPECT_EQ(s.LanguageChord, c.languageChord) << c.name;
    EXPECT_EQ(window_.LanguageChordCombo.Enabled, c.languageListEnabled) << c.name;
    EXPECT_EQ(s.LayoutSwitchOn, c.layoutOn) << c.name;
    EXPECT_EQ(s.LayoutChord, c.layoutChord) << c.name;
    EXPECT_EQ(window_.LayoutSwitchCheck.Enabled, c.layoutCheckEnabled) << c.name;
    EXPECT_EQ(window_.LayoutChordCombo.Enabled, c.layoutListEnabled) << c.name;
  }
}

TEST_F(SwitchChordsTest, TheLanguageBoxCaptionFollowsTheStyleInEachLanguage) {
  struct Case {
    Indicator style;
    UiLanguage language;
    const char* caption;
  } cases[] = {
      {Legacy, UiLanguage::English, "Switch IME"},
      {Legacy, UiLanguage::Simplified, "切换输入法"},
      {Legacy, UiLanguage::Traditional, "切換輸入法"},
      {Services, UiLanguage::English, "Switch input languages"},
      {Services, UiLanguage::Simplified, "切换输入语言"},
      {Services, UiLanguage::Traditional, "切換輸入語言"},
  };
  for (const Case& c : cases) {
    window_.Language = c.language;
    window_.Settings.IndicatorStyle = c.style;
    ReadSwitchChords(*context_, window_);
    EXPECT_EQ(window_.LanguageSwitchCheck.Caption, c.caption);
    window_.LanguageSwitchCheck.Caption.clear();
    window_.Settings.ShownIndicatorStyle = c.style == Legacy ? Services : Legacy;
    IndicatorStyleChosen(window_, c.style);
    EXPECT_EQ(window_.LanguageSwitchCheck.Caption, c.caption);
  }
}

TEST_F(SwitchChordsTest, WritingTheToggleValues) {
  struct Case {
    const char* name;
    std::uint32_t version;
    bool languageOn;
    int languageChord;
    bool layoutOn;
    int layoutChord;
    const char *hotkey, *layoutHotkey, *defaultValue;
  } cases[] = {
      {"languages with Alt+Shift, layouts off", sim::version::WindowsXP, true, Alt, false, Ctrl, "1", "3", "old"},
      {"languages with Ctrl+Shift, layouts Alt+Shift", sim::version::WindowsXP, true, Ctrl, true, Alt, "2", "1", "old"},
      {"the grave accent", sim::version::Windows7, true, Grave, true, Grave, "4", "4", "old"},
      {"no chord chosen writes nothing", sim::version::WindowsXP, true, None, true, None, "old", "old", "old"},
      {"Windows 98 also writes the default value", sim::version::Windows98, true, Ctrl, false, Alt, "2", "3", "2"},
      {"Windows 98 switched off leaves the default", sim::version::Windows98, false, Alt, true, Ctrl, "3", "2", "old"},
  };
  for (const Case& c : cases) {
    for (const char* name : {schema::kHotkeyValue, schema::kLanguageHotkeyValue, schema::kLayoutHotkeyValue,
                             schema::kDefaultValue}) {
      PutToggle(name, "old");
    }
    UseVersion(c.version);
    WorkingSettings s;
    s.LanguageSwitchOn = c.languageOn;
    s.LanguageChord = c.languageChord;
    s.LayoutSwitchOn = c.layoutOn;
    s.LayoutChord = c.layoutChord;
    WriteSwitchChords(*context_, s);
    EXPECT_EQ(Toggle("hotkey"), c.hotkey) << c.name;
    EXPECT_EQ(Toggle("Language Hotkey"), c.hotkey) << c.name;
    EXPECT_EQ(Toggle("Layout Hotkey"), c.layoutHotkey) << c.name;
    EXPECT_EQ(Toggle(""), c.defaultValue) << c.name;
  }
}

TEST_F(SwitchChordsTest, WhatIsWrittenReadsBackTheSame) {
  UseVersion(sim::version::Windows7);
  const int chords[] = {Ctrl, Alt, Grave};
  for (bool languageOn : {false, true}) {
    for (bool layoutOn : {false, true}) {
      for (int language : chords) {
        for (int layout : chords) {
          if (language == layout) continue;
          window_ = MainWindow();
          window_.Settings.IndicatorStyle = Services;
          WorkingSettings written = window_.Settings;
          written.LanguageSwitchOn = languageOn;
          written.LanguageChord = language;
          written.LayoutSwitchOn = layoutOn;
          written.LayoutChord = layout;
          WriteSwitchChords(*context_, written);
          window_.Settings.LanguageChord = language;  // an off chord is not stored
          ReadSwitchChords(*context_, window_);
          EXPECT_EQ(window_.Settings.LanguageSwitchOn, languageOn);
          EXPECT_EQ(window_.Settings.LanguageChord, language);
          EXPECT_EQ(window_.Settings.LayoutSwitchOn, layoutOn);
          EXPECT_EQ(window_.Settings.LayoutChord, layoutOn ? layout : Alt);
        }
      }
    }
  }
}

TEST_F(SwitchChordsTest, PickingAChordMovesTheOtherAwayWithoutCascading) {
  struct Case {
    int picked, otherBefore, otherAfter;
  } cases[] = {
      {Ctrl, Ctrl, Alt}, {Ctrl, Alt, Alt}, {Ctrl, Grave, Grave}, {Alt, Alt, Ctrl},   {Alt, Ctrl, Ctrl},
      {Alt, Grave, Grave}, {Grave, Grave, Ctrl}, {Grave, Alt, Alt}, {Grave, Ctrl, Ctrl}, {Ctrl, None, Alt},
  };
  for (const Case& c : cases) {
    window_.Settings.LayoutChord = c.otherBefore;
    LanguageChordChosen(window_, c.picked);
    EXPECT_EQ(window_.Settings.LanguageChord, c.picked);
    EXPECT_EQ(window_.Settings.LayoutChord, c.otherAfter) << c.picked << " " << c.otherBefore;

    window_.Settings.LanguageChord = c.otherBefore;
    LayoutChordChosen(window_, c.picked);
    EXPECT_EQ(window_.Settings.LayoutChord, c.picked);
    EXPECT_EQ(window_.Settings.LanguageChord, c.otherAfter) << c.picked << " " << c.otherBefore;
  }
}

TEST_F(SwitchChordsTest, ChoosingAStyleResetsTheChordsOnlyWhenItChanges) {
  struct Step {
    Indicator chosen;
    int languageBefore, layoutBefore;
    int languageAfter, layoutAfter;
  } steps[] = {
      {Legacy, Alt, Ctrl, Ctrl, Alt},      // from text services to the legacy indicator
      {Legacy, Alt, Ctrl, Alt, Ctrl},      // the same style again changes nothing
      {Services, Ctrl, Alt, Alt, Ctrl},    // back to text services
      {Legacy, Grave, Ctrl, Grave, Ctrl},  // one grave accent: the chords stay
      {Services, Grave, Ctrl, Grave, Ctrl},
      {Legacy, Grave, Grave, Grave, Ctrl},  // both grave: the other chord gives way
      {Services, Grave, Grave, Ctrl, Grave},
  };
  window_.Settings.ShownIndicatorStyle = Services;
  for (const Step& step : steps) {
    window_.Settings.LanguageChord = step.languageBefore;
    window_.Settings.LayoutChord = step.layoutBefore;
    IndicatorStyleChosen(window_, step.chosen);
    EXPECT_EQ(window_.Settings.LanguageChord, step.languageAfter);
    EXPECT_EQ(window_.Settings.LayoutChord, step.layoutAfter);
    EXPECT_EQ(window_.Settings.ShownIndicatorStyle, step.chosen);
    const bool services = step.chosen == Services;
    EXPECT_EQ(window_.LayoutSwitchCheck.Enabled, services);
    EXPECT_EQ(window_.LayoutChordCombo.Enabled, services);
    EXPECT_TRUE(window_.LanguageSwitchCheck.Enabled);
  }
}

TEST_F(SwitchChordsTest, ABoxEnablesItsChordListExactlyWhenTicked) {
  for (bool checked : {true, false, true}) {
    SwitchBoxClicked(window_, SwitchBox::Language, checked);
    EXPECT_EQ(window_.Settings.LanguageSwitchOn, checked);
    EXPECT_EQ(window_.LanguageChordCombo.Enabled, checked);
    SwitchBoxClicked(window_, SwitchBox::Layout, !checked);
    EXPECT_EQ(window_.Settings.LayoutSwitchOn, !checked);
    EXPECT_EQ(window_.LayoutChordCombo.Enabled, !checked);
    EXPECT_EQ(window_.LanguageChordCombo.Enabled, checked);
  }
}

TEST(SwitchMode, LetterFirstThenMode) {
  struct Case {
    int mode;
    char letter;
    bool languageOn, layoutOn;
    int language, layout;
  } cases[] = {
      {3, 'b', true, true, Alt, Ctrl},   {3, 'a', true, true, Ctrl, Alt},    {1, 'b', true, false, Alt, Ctrl},
      {2, 'A', false, true, Ctrl, Alt},  {0, 'a', false, false, Ctrl, Alt},  {5, 'x', true, false, Grave, None},
      {-1, 'B', true, false, Alt, Ctrl}, {0, 'c', false, false, Grave, None},
  };
  for (const Case& c : cases) {
    WorkingSettings s;
    s.LanguageSwitchOn = true;
    s.LanguageChord = Grave;
    s.LayoutChord = None;
    ApplySwitchMode(s, c.mode, c.letter);
    EXPECT_EQ(s.LanguageSwitchOn, c.languageOn) << c.mode << c.letter;
    EXPECT_EQ(s.LayoutSwitchOn, c.layoutOn) << c.mode << c.letter;
    EXPECT_EQ(s.LanguageChord, c.language) << c.mode << c.letter;
    EXPECT_EQ(s.LayoutChord, c.layout) << c.mode << c.letter;
  }
}

TEST(ChordItems, TheGraveAccentOnlyFromVistaOn) {
  using Items = std::vector<std::string>;
  EXPECT_EQ(ChordItems(ClassifyWindowsVersion(sim::version::WindowsXP)), (Items{"Ctrl+Shift", "Alt+Shift"}));
  EXPECT_EQ(ChordItems(ClassifyWindowsVersion(sim::version::Windows98)), (Items{"Ctrl+Shift", "Alt+Shift"}));
  EXPECT_EQ(ChordItems(ClassifyWindowsVersion(sim::version::WindowsVista)), (Items{"Ctrl+Shift", "Alt+Shift", "`"}));
  EXPECT_EQ(ChordItems(ClassifyWindowsVersion(sim::version::Windows7)), (Items{"Ctrl+Shift", "Alt+Shift", "`"}));
}

}  // namespace
}  // namespace fennick
