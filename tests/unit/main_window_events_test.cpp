#include <gtest/gtest.h>

#include "platform/sim/sim_windows.h"
#include "registry/schema.h"
#include "settings/preload_selection.h"
#include "ui/main_window_events.h"
#include "ui/placement.h"
#include "ui/texts.h"

namespace fennick {
namespace {

using platform::RegRoot;

class MainWindowEventsTest : public ::testing::Test {
 protected:
  void SetUp() override { UseVersion(sim::version::WindowsXP); }

  void UseVersion(std::uint32_t version, UiLanguage language = UiLanguage::English) {
    windows_.System.Version = version;
    context_ = std::make_unique<Context>(windows_.Platform());
    window_ = MainWindow();
    window_.Language = language;
    ApplyUiTexts(*context_, window_);
  }

  // Preload rows as a load leaves them: one row per entry, showing its name.
  void Rows(std::initializer_list<PreloadEntry> entries) {
    window_.Settings.PreloadList = entries;
    window_.PreloadListView.Rows.clear();
    for (const PreloadEntry& entry : entries) window_.PreloadListView.Rows.push_back({entry.ServicesName});
  }
  void Available(std::initializer_list<AvailableEntry> entries) {
    window_.Settings.AvailableList = entries;
    window_.AvailableCombo.Items.clear();
    for (const AvailableEntry& entry : entries) window_.AvailableCombo.Items.push_back(entry.ServicesName);
  }
  void Catalog(const std::string& layoutId, const char* valueName, const std::string& text) {
    windows_.Registry.PutString(RegRoot::LocalMachine, schema::CatalogKey(layoutId), valueName, text);
  }

  sim::SimWindows windows_;
  std::unique_ptr<Context> context_;
  MainWindow window_;
};

PreloadEntry Entry(const std::string& id, const std::string& label = "") { return {id, id + "-L", id + "-S", "", label}; }

TEST_F(MainWindowEventsTest, RowButtonsFollowTheSelection) {
  struct Case {
    const char* name;
    std::vector<std::string> ids;
    int selected;
    bool up, down, properties;
  } cases[] = {
      {"first of three", {"00000409", "E0010804", "00000804"}, 0, false, true, false},
      {"middle IME", {"00000409", "E0010804", "00000804"}, 1, true, true, true},
      {"last of three", {"00000409", "E0010804", "00000804"}, 2, true, false, false},
      {"the only row, an IME", {"E0200804"}, 0, false, false, true},
      {"a plain layout of another language part", {"00000409", "00010409"}, 1, true, false, false},
      {"no row selected", {"00000409", "E0010804"}, -1, true, true, false},
      {"an empty list", {}, -1, true, false, false},
  };
  for (const Case& c : cases) {
    window_.Settings.PreloadList.clear();
    window_.PreloadListView.Rows.clear();
    for (const std::string& id : c.ids) {
      window_.Settings.PreloadList.push_back(Entry(id));
      window_.PreloadListView.Rows.push_back({id});
    }
    window_.UpButton.Enabled = !c.up;
    window_.DownButton.Enabled = !c.down;
    window_.PropertiesButton.Enabled = !c.properties;
    window_.Focus = ControlId::None;

    RowSelectionChanged(*context_, window_, c.selected);
    EXPECT_EQ(window_.PreloadListView.Selected, c.selected) << c.name;
    EXPECT_EQ(window_.UpButton.Enabled, c.up) << c.name;
    EXPECT_EQ(window_.DownButton.Enabled, c.down) << c.name;
    EXPECT_EQ(window_.PropertiesButton.Enabled, c.properties) << c.name;
    EXPECT_TRUE(window_.HotkeyButton.Enabled && window_.KeyboardButton.Enabled) << c.name;
    EXPECT_EQ(window_.Focus, ControlId::PreloadListView) << c.name;
  }
}

TEST_F(MainWindowEventsTest, SelectingARowDescribesItInTheStatusBar) {
  Catalog("00000409", "Layout File", "kbdus.dll");
  Catalog("E0010804", "Layout File", "kbdus.dll");
  Rows({Entry("00000409"), Entry("E0010804", "Ctrl+Shift+1")});
  struct Case {
    int selected;
    const char* status;
  } cases[] = {
      {0, "KBDUS.DLL | 00000409"},
      {1, "Hotkey: Ctrl+Shift+1 KBDUS.DLL | E0010804"},
      {-1, ""},
  };
  for (const Case& c : cases) {
    window_.StatusLine = StatusBar();
    RowSelectionChanged(*context_, window_, c.selected);
    EXPECT_TRUE(window_.StatusLine.Exists);
    EXPECT_EQ(window_.StatusLine.Text, c.status) << c.selected;
  }
}

TEST_F(MainWindowEventsTest, HoverTextCountsRowsIn17PixelSteps) {
  Catalog("00000409", "Layout File", "kbdus.dll");
  Catalog("E0010804", "Layout File", "kbdus.dll");
  Catalog("E0010804", "Ime File", "winpy.ime");
  Catalog("E0020804", "Layout File", "kbdus.dll");
  Catalog("E0020804", "IME File", "Pinyin.IME");
  Rows({Entry("00000409"), Entry("E0010804", "Left Ctrl+Shift+1"), Entry("E0020804")});
  struct Case {
    const char* name;
    UiLanguage language;
    int pointerY, firstRowTop;
    const char* status;
  } cases[] = {
      {"top of row 0, a plain layout", UiLanguage::English, 0, 0, "KeyBoard: KBDUS.DLL | 00000409 | "},
      {"last pixel of row 0", UiLanguage::English, 16, 0, "KeyBoard: KBDUS.DLL | 00000409 | "},
      {"row 1 with a hotkey", UiLanguage::English, 17, 0, "Hotkey: Left Ctrl+Shift+1 KeyBoard: KBDUS.DLL | E0010804"},
      {"row 2 without a hotkey", UiLanguage::English, 40, 0, "KeyBoard: KBDUS.DLL | E0020804 | PINYIN.IME"},
      {"below the last row", UiLanguage::English, 51, 0, ""},
      {"scrolled by one row", UiLanguage::English, 0, -17, "Hotkey: Left Ctrl+Shift+1 KeyBoard: KBDUS.DLL | E0010804"},
      {"rows start below a header", UiLanguage::English, 20, 20, "KeyBoard: KBDUS.DLL | 00000409 | "},
      {"above the first row", UiLanguage::English, 5, 20, ""},
      {"far above the first row", UiLanguage::English, 0, 60, ""},
      {"Simplified words", UiLanguage::Simplified, 17, 0, "热键: 左 Ctrl+Shift+1 键盘: KBDUS.DLL | E0010804"},
      {"Traditional words", UiLanguage::Traditional, 34, 0, "鍵盤: KBDUS.DLL | E0020804 | PINYIN.IME"},
  };
  for (const Case& c : cases) {
    window_.Language = c.language;
    ApplyUiTexts(*context_, window_);
    window_.Settings.PreloadList[1].HotkeyLabel =
        c.language == UiLanguage::English ? "Left Ctrl+Shift+1" : "左 Ctrl+Shift+1";
    window_.StatusLine.Text = "before";
    ShowRowHoverText(*context_, window_, c.pointerY, c.firstRowTop);
    EXPECT_EQ(window_.StatusLine.Text, c.status) << c.name;
  }
}

TEST_F(MainWindowEventsTest, HoverOverAnEmptyList) {
  window_.StatusLine.Text = "before";
  ShowRowHoverText(*context_, window_, 0, 0);
  EXPECT_EQ(window_.StatusLine.Text, "");
}

TEST(DoubleClick, FirstColumnOpensPropertiesElsewhereTheHotkeyEditor) {
  struct Case {
    int x, firstRowLeft, width;
    RowCommand command;
  } cases[] = {
      {0, 0, 154, RowCommand::Properties},    {153, 0, 154, RowCommand::Properties},
      {154, 0, 154, RowCommand::Hotkey},      {300, 0, 154, RowCommand::Hotkey},
      {130, -20, 154, RowCommand::Properties}, {140, -20, 154, RowCommand::Hotkey},
      {50, 0, 40, RowCommand::Hotkey},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DoubleClickCommand(c.x, c.firstRowLeft, c.width), c.command) << c.x << " " << c.firstRowLeft;
  }
}

TEST_F(MainWindowEventsTest, AvailableEntryText) {
  Catalog("E0020804", "IME File", "winpy.ime");
  Available({{"00000409", "US-L", "US"}, {"E0020804", "Py-L", "Pinyin"}, {"E0030804", "N-L", "NoFile"}});
  struct Case {
    int current;
    const char* status;
    bool removeEnabled;
    const char* removeName;
  } cases[] = {
      {0, "US: 00000409", false, "US"},
      {1, "Pinyin: E0020804 (WINPY.IME)", true, "Pinyin"},
      {2, "NoFile: E0030804", true, "NoFile"},
      {-1, "before", false, "name before"},
  };
  for (const Case& c : cases) {
    for (bool byPointer : {false, true}) {
      window_.StatusLine.Text = "before";
      window_.RemoveNameBox.Caption = "name before";
      window_.RemoveButton.Enabled = !c.removeEnabled;
      if (byPointer) {
        window_.AvailableCombo.Current = c.current;
        ShowAvailableEntry(*context_, window_);
      } else {
        ItemChosen(*context_, window_, ControlId::AvailableCombo, c.current);
      }
      EXPECT_EQ(window_.AvailableCombo.Current, c.current);
      EXPECT_EQ(window_.StatusLine.Text, c.status) << c.current;
      EXPECT_EQ(window_.RemoveButton.Enabled, c.removeEnabled) << c.current;
      EXPECT_EQ(window_.RemoveNameBox.Caption, c.removeName) << c.current;
    }
  }
}

TEST_F(MainWindowEventsTest, InstallFieldRule) {
  struct Case {
    const char* name;
    std::uint32_t version;
    const char *layoutText, *imeFile;
    bool enabledBefore, enabledAfter;
  } cases[] = {
      {"XP, both filled", sim::version::WindowsXP, "My IME", "my.ime", false, true},
      {"XP, name only", sim::version::WindowsXP, "My IME", "", true, false},
      {"XP, file only", sim::version::WindowsXP, "", "my.ime", true, false},
      {"XP, both empty", sim::version::WindowsXP, "", "", true, false},
      {"98, both filled", sim::version::Windows98, "My IME", "my.ime", false, true},
      {"Vista, both filled", sim::version::WindowsVista, "My IME", "my.ime", false, false},
      {"7, both filled", sim::version::Windows7, "My IME", "my.ime", false, false},
      {"7, one empty", sim::version::Windows7, "", "my.ime", false, false},
  };
  for (const Case& c : cases) {
    UseVersion(c.version);
    Available({{"00000409", "US-L", "US"}, {"E0020804", "Py-L", "Pinyin"}});
    window_.AvailableCombo.Current = 1;
    window_.InstallButton.Enabled = c.enabledBefore;
    TextChanged(*context_, window_, ControlId::InstallNameEdit, c.layoutText);
    window_.StatusLine.Text = "before";
    window_.RemoveNameBox.Caption = "";
    TextChanged(*context_, window_, ControlId::InstallFileEdit, c.imeFile);
    EXPECT_EQ(window_.InstallNameEdit.Text, c.layoutText) << c.name;
    EXPECT_EQ(window_.InstallFileEdit.Text, c.imeFile) << c.name;
    EXPECT_EQ(window_.InstallButton.Enabled, c.enabledAfter) << c.name;
    EXPECT_EQ(window_.RemoveNameBox.Caption, "Pinyin") << c.name;
    EXPECT_EQ(window_.StatusLine.Text, "") << c.name;
  }
}

TEST_F(MainWindowEventsTest, ShowingAPage) {
  Available({{"E0020804", "Py-L", "Pinyin"}});
  window_.InstallNameEdit.Text = "My IME";
  window_.InstallFileEdit.Text = "my.ime";
  struct Case {
    int page;
    bool installEnabled;
    const char* removeName;
  } cases[] = {
      {0, false, "unchanged"},
      {1, false, "unchanged"},
      {2, true, "Pinyin"},
  };
  for (const Case& c : cases) {
    window_.AvailableCombo.Current = 0;
    window_.InstallButton.Enabled = false;
    window_.RemoveNameBox.Caption = "unchanged";
    window_.StatusLine.Text = "before";
    ShowSettingsPage(*context_, window_, c.page);
    EXPECT_EQ(window_.SettingsPage, c.page);
    EXPECT_EQ(window_.StatusLine.Text, "") << c.page;
    EXPECT_EQ(window_.InstallButton.Enabled, c.installEnabled) << c.page;
    EXPECT_EQ(window_.RemoveNameBox.Caption, c.removeName) << c.page;
  }
  // Without a current available entry the box is emptied.
  window_.AvailableCombo.Current = -1;
  ShowSettingsPage(*context_, window_, 2);
  EXPECT_EQ(window_.RemoveNameBox.Caption, "");
}

TEST_F(MainWindowEventsTest, StyleEnablingRule) {
  struct Case {
    const char* name;
    std::uint32_t version;
    Indicator styleBefore;
    bool checked;
    bool groupEnabled, servicesEnabled, legacyEnabled;
    Indicator styleAfter;
  } cases[] = {
      {"XP, ticked", sim::version::WindowsXP, Indicator::LegacyIndicator, true, true, true, true,
       Indicator::LegacyIndicator},
      {"XP, unticked", sim::version::WindowsXP, Indicator::LegacyIndicator, false, false, false, false,
       Indicator::LegacyIndicator},
      {"98, unticked keeps text services", sim::version::Windows98, Indicator::TextServices, false, false, false,
       false, Indicator::TextServices},
      {"7, ticked", sim::version::Windows7, Indicator::LegacyIndicator, true, true, true, false,
       Indicator::TextServices},
      {"Vista, unticked", sim::version::WindowsVista, Indicator::LegacyIndicator, false, false, false, false,
       Indicator::TextServices},
  };
  for (const Case& c : cases) {
    UseVersion(c.version);
    window_.Settings.IndicatorStyle = c.styleBefore;
    window_.Settings.IndicatorEnabled = !c.checked;
    window_.ImeStyleGroup.Enabled = window_.TextServicesRadio.Enabled = window_.IndicatorRadio.Enabled = !c.checked;
    BoxClicked(*context_, window_, ControlId::IndicatorEnableCheck, c.checked);
    EXPECT_EQ(window_.Settings.IndicatorEnabled, c.checked) << c.name;
    EXPECT_EQ(window_.ImeStyleGroup.Enabled, c.groupEnabled) << c.name;
    EXPECT_EQ(window_.TextServicesRadio.Enabled, c.servicesEnabled) << c.name;
    EXPECT_EQ(window_.IndicatorRadio.Enabled, c.legacyEnabled) << c.name;
    EXPECT_EQ(window_.Settings.IndicatorStyle, c.styleAfter) << c.name;
  }
}

TEST_F(MainWindowEventsTest, StyleRefreshSwapsNamesAndRenaming) {
  PreloadEntry us = {"00000409", "US legacy", "US services", "", ""};
  PreloadEntry pinyin = {"E0010804", "Pinyin legacy", "Pinyin services", "My Pinyin", "Ctrl+1"};
  PreloadEntry plain = {"E0030804", "Plain legacy", "Plain services", "", ""};
  Rows({us, pinyin, plain});
  struct Case {
    ControlId radio;
    Indicator style;
    std::vector<std::string> rows, available;
    bool editLabels;
    const char* languageCaption;
    bool layoutControlsEnabled;
  } cases[] = {
      {ControlId::IndicatorRadio, Indicator::LegacyIndicator, {"US legacy", "Pinyin legacy", "Plain legacy"},
       {"Wubi legacy", "Kbd legacy"}, false, "Switch IME", false},
      {ControlId::TextServicesRadio, Indicator::TextServices, {"US services", "My Pinyin", "Plain services"},
       {"Wubi services", "Kbd services"}, true, "Switch input languages", true},
      {ControlId::IndicatorRadio, Indicator::LegacyIndicator, {"US legacy", "Pinyin legacy", "Plain legacy"},
       {"Wubi legacy", "Kbd legacy"}, false, "Switch IME", false},
  };
  for (const Case& c : cases) {
    Available({{"E0040804", "Wubi legacy", "Wubi services"}, {"00000804", "Kbd legacy", "Kbd services"}});
    window_.AvailableCombo.Current = 1;
    window_.PreloadListView.Selected = 1;
    BoxClicked(*context_, window_, c.radio, true);

    const WorkingSettings& s = window_.Settings;
    EXPECT_EQ(s.IndicatorStyle, c.style);
    EXPECT_EQ(s.ShownIndicatorStyle, c.style);
    EXPECT_EQ(window_.PreloadListView.EditLabels, c.editLabels);
    std::vector<std::string> rows;
    for (const ListRow& row : window_.PreloadListView.Rows) rows.push_back(row.Name);
    EXPECT_EQ(rows, c.rows);
    EXPECT_EQ(window_.AvailableCombo.Items, c.available);
    EXPECT_EQ(window_.AvailableCombo.Current, -1);
    EXPECT_EQ(window_.LanguageSwitchCheck.Caption, c.languageCaption);
    EXPECT_EQ(window_.LayoutSwitchCheck.Enabled, c.layoutControlsEnabled);
    EXPECT_EQ(window_.LayoutChordCombo.Enabled, c.layoutControlsEnabled);
    // The lists themselves are left as they were.
    EXPECT_EQ(s.PreloadList.size(), 3u);
    EXPECT_EQ(s.PreloadList[1].NewDisplayName, "My Pinyin");
    EXPECT_EQ(s.AvailableList.size(), 2u);
    EXPECT_EQ(window_.PreloadListView.Selected, 1);

    // Until an item is picked, the available entry names nothing and nothing can be removed.
    window_.RemoveButton.Enabled = true;
    ShowAvailableEntry(*context_, window_);
    EXPECT_FALSE(window_.RemoveButton.Enabled);
  }
}

TEST_F(MainWindowEventsTest, StyleChangeMovesTheChordsOnlyWhenTheShownStyleChanges) {
  window_.Settings.ShownIndicatorStyle = Indicator::TextServices;
  window_.Settings.LanguageChord = chord::AltShift;
  window_.Settings.LayoutChord = chord::CtrlShift;
  BoxClicked(*context_, window_, ControlId::TextServicesRadio, true);
  EXPECT_EQ(window_.Settings.LanguageChord, chord::AltShift);
  BoxClicked(*context_, window_, ControlId::IndicatorRadio, true);
  EXPECT_EQ(window_.Settings.LanguageChord, chord::CtrlShift);
  EXPECT_EQ(window_.Settings.LayoutChord, chord::AltShift);
}

TEST_F(MainWindowEventsTest, ToggleChoice) {
  struct Case {
    UiLanguage language;
    int slot;
    const char *button, *status;
  } cases[] = {
      {UiLanguage::English, 0, "", "Ime/NonIme Toggle: "},
      {UiLanguage::English, 1, "Ctrl+Shift+A", "Shape Toggle: Ctrl+Shift+A"},
      {UiLanguage::English, 2, "Right Alt+SPACE", "Symbol Toggle: Right Alt+SPACE"},
      {UiLanguage::Simplified, 2, "右 Alt+SPACE", "中英文标点切换: 右 Alt+SPACE"},
      {UiLanguage::Traditional, 1, "Ctrl+Shift+A", "全角/半角切換: Ctrl+Shift+A"},
  };
  for (const Case& c : cases) {
    UseVersion(sim::version::WindowsXP, c.language);
    window_.Settings.OtherToggles[1] = {"0000C006", "00000041"};
    window_.Settings.OtherToggles[2] = {"00004001", "00000020"};
    ItemChosen(*context_, window_, ControlId::ToggleCombo, c.slot);
    EXPECT_EQ(window_.Settings.SelectedToggle, c.slot);
    EXPECT_EQ(window_.ToggleHotkeyButton.Caption, c.button);
    EXPECT_EQ(window_.StatusLine.Text, c.status);
    // The pointer over the list or the button says the same.
    window_.StatusLine.Text = "before";
    ShowToggleText(*context_, window_);
    EXPECT_EQ(window_.StatusLine.Text, c.status);
  }
}

TEST_F(MainWindowEventsTest, SettingsChangedByTheirControls) {
  BoxClicked(*context_, window_, ControlId::ShowStatusCheck, true);
  EXPECT_TRUE(window_.Settings.ShowStatusWindow);
  ItemChosen(*context_, window_, ControlId::CapsCombo, 1);
  EXPECT_EQ(window_.Settings.CapsRelease, 1);
  BoxClicked(*context_, window_, ControlId::LanguageSwitchCheck, false);
  EXPECT_FALSE(window_.Settings.LanguageSwitchOn);
  EXPECT_FALSE(window_.LanguageChordCombo.Enabled);
  BoxClicked(*context_, window_, ControlId::LayoutSwitchCheck, true);
  EXPECT_TRUE(window_.Settings.LayoutSwitchOn);
  EXPECT_TRUE(window_.LayoutChordCombo.Enabled);
  ItemChosen(*context_, window_, ControlId::LanguageChordCombo, chord::AltShift);
  EXPECT_EQ(window_.Settings.LanguageChord, chord::AltShift);
  EXPECT_EQ(window_.Settings.LayoutChord, chord::CtrlShift);
  ItemChosen(*context_, window_, ControlId::LayoutChordCombo, chord::AltShift);
  EXPECT_EQ(window_.Settings.LayoutChord, chord::AltShift);
  EXPECT_EQ(window_.Settings.LanguageChord, chord::CtrlShift);
  RemoveNameBoxHovered(*context_, window_);
  EXPECT_EQ(window_.Focus, ControlId::AvailableCombo);
}

TEST(Placement, CentredThenWindowModeTop) {
  struct Case {
    int screen, window, centred;
  } centred[] = {{800, 333, 233}, {800, 334, 233}, {640, 640, 0}, {300, 333, -17}, {300, 334, -17}};
  for (const Case& c : centred) EXPECT_EQ(CentredEdge(c.screen, c.window), c.centred) << c.screen << " " << c.window;
  struct Top {
    int bottom, height, top;
  } tops[] = {{600, 455, 72}, {520, 455, 32}, {497, 455, 21}, {400, 455, -27}, {401, 455, -27}};
  for (const Top& t : tops) EXPECT_EQ(WindowModeTop(t.bottom, t.height), t.top) << t.bottom << " " << t.height;
}

}  // namespace
}  // namespace fennick
