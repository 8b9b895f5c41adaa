#include <gtest/gtest.h>

#include <functional>

#include "common/message_texts.h"
#include "common/text.h"
#include "hotkeys/hotkey_codes.h"
#include "hotkeys/ime_hotkeys.h"
#include "app/program.h"
#include "platform/sim/sim_windows.h"
#include "ui/system_menu.h"
#include "ui/texts.h"

namespace fennick {
namespace {

constexpr UiLanguage kLanguages[] = {UiLanguage::English, UiLanguage::Simplified, UiLanguage::Traditional};

class UiTextsTest : public ::testing::Test {
 protected:
  MainWindow Applied(UiLanguage language, std::uint32_t version = sim::version::WindowsXP) {
    windows_.System.Version = version;
    Context context(windows_.Platform());
    MainWindow window;
    window.Language = language;
    ApplyUiTexts(context, window);
    return window;
  }

  sim::SimWindows windows_;
};

// Every caption of the main window in the three languages, as the window shows them.
TEST_F(UiTextsTest, EveryCaptionInEachLanguage) {
  using Get = std::function<std::string(const MainWindow&)>;
  struct Row {
    const char* control;
    Get get;
    const char *english, *simplified, *traditional;
  } rows[] = {
      {"GeneralPage tab", [](const MainWindow& w) { return w.PageCaptions.at(0); }, "Normal", "常规", "常規"},
      {"OtherPage tab", [](const MainWindow& w) { return w.PageCaptions.at(1); }, "Other", "其它", "其它"},
      {"AdvancedPage tab", [](const MainWindow& w) { return w.PageCaptions.at(2); }, "Advanced", "高级", "高級"},
      {"name column", [](const MainWindow& w) { return w.PreloadListView.NameColumnCaption; }, "Name", "名称", "名稱"},
      {"hotkey column", [](const MainWindow& w) { return w.PreloadListView.HotkeyColumnCaption; }, "Hotkey", "热键",
       "熱鍵"},
      {"UpButton", [](const MainWindow& w) { return w.UpButton.Caption; }, "&Up", "向上", "向上"},
      {"DownButton", [](const MainWindow& w) { return w.DownButton.Caption; }, "&Down", "向下", "向下"},
      {"DeleteButton", [](const MainWindow& w) { return w.DeleteButton.Caption; }, "De&lete", "删除", "刪除"},
      {"HotkeyButton", [](const MainWindow& w) { return w.HotkeyButton.Caption; }, "&Hotkey", "热键", "熱鍵"},
      {"PropertiesButton", [](const MainWindow& w) { return w.PropertiesButton.Caption; }, "&Property", "属性",
       "屬性"},
      {"KeyboardButton", [](const MainWindow& w) { return w.KeyboardButton.Caption; }, "&KeyBoard", "键盘", "鍵盤"},
      {"AddButton", [](const MainWindow& w) { return w.AddButton.Caption; }, "&Add", "添加", "添加"},
      {"OkButton", [](const MainWindow& w) { return w.OkButton.Caption; }, "&OK", "确定", "確認"},
      {"ApplyButton", [](const MainWindow& w) { return w.ApplyButton.Caption; }, "&Apply", "应用", "套用"},
      {"ExitButton", [](const MainWindow& w) { return w.ExitButton.Caption; }, "E&xit", "退出", "退出"},
      {"IndicatorEnableCheck", [](const MainWindow& w) { return w.IndicatorEnableCheck.Caption; }, "Enable/Disable",
       "启用/禁用", "啟用/禁用"},
      {"ImeStyleGroup", [](const MainWindow& w) { return w.ImeStyleGroup.Caption; }, "IME Style", "输入法风格",
       "輸入法風格"},
      {"TextServicesRadio", [](const MainWindow& w) { return w.TextServicesRadio.Caption; }, "Text Services",
       "高级文字服务", "高級文字服務"},
      {"IndicatorRadio", [](const MainWindow& w) { return w.IndicatorRadio.Caption; }, "Input Locales",
       "输入法指示器", "輸入法指示器"},
      {"SwitchGroup", [](const MainWindow& w) { return w.SwitchGroup.Caption; }, "", "", ""},
      {"LanguageSwitchCheck", [](const MainWindow& w) { return w.LanguageSwitchCheck.Caption; },
       "Switch input languages", "切换输入语言", "切換輸入語言"},
      {"LayoutSwitchCheck", [](const MainWindow& w) { return w.LayoutSwitchCheck.Caption; },
       "Switch keyboard layouts", "切换键盘布局", "切換鍵盤布局"},
      {"ToggleGroup", [](const MainWindow& w) { return w.ToggleGroup.Caption; }, "Other IME Toggle Key",
       "其它切换热键", "其它切換熱鍵"},
      {"ToggleCombo slot 0", [](const MainWindow& w) { return w.ToggleCombo.Items.at(0); }, "Ime/NonIme Toggle",
       "打开/关闭输入法", "打開/關閉輸入法"},
      {"ToggleCombo slot 1", [](const MainWindow& w) { return w.ToggleCombo.Items.at(1); }, "Shape Toggle",
       "全角/半角切换", "全角/半角切換"},
      {"ToggleCombo slot 2", [](const MainWindow& w) { return w.ToggleCombo.Items.at(2); }, "Symbol Toggle",
       "中英文标点切换", "中英文標點切換"},
      {"ToggleHotkeyButton", [](const MainWindow& w) { return w.ToggleHotkeyButton.Caption; }, "&Hotkey", "热键",
       "熱鍵"},
      {"OtherGroup", [](const MainWindow& w) { return w.OtherGroup.Caption; }, "Other", "其它", "其它"},
      {"CapsLabel", [](const MainWindow& w) { return w.CapsLabel.Caption; }, "Turn off Caps Lock",
       "关闭 Caps Lock: ", "關閉大寫鍵"},
      {"CapsCombo", [](const MainWindow& w) { return w.CapsCombo.Items.at(0) + "|" + w.CapsCombo.Items.at(1); },
       "Caps Lock|Shift", "Caps Lock|Shift", "Caps Lock|Shift"},
      {"ShowStatusCheck", [](const MainWindow& w) { return w.ShowStatusCheck.Caption; }, "Show Status",
       "输入法指示条", "輸入法指示條"},
      {"RemoveGroup", [](const MainWindow& w) { return w.RemoveGroup.Caption; }, "Delete from Registry",
       "从注册表删除", "從注冊表刪除"},
      {"RemoveButton", [](const MainWindow& w) { return w.RemoveButton.Caption; }, "Delete", "删除", "刪除"},
      {"InstallGroup", [](const MainWindow& w) { return w.InstallGroup.Caption; }, "Install IME", "安装输入法",
       "安裝輸入法"},
      {"InstallNameLabel", [](const MainWindow& w) { return w.InstallNameLabel.Caption; }, "Layout Text: ",
       "输入法名称: ", "輸入法名稱: "},
      {"InstallFileLabel", [](const MainWindow& w) { return w.InstallFileLabel.Caption; }, "IME file: ",
       "IME 文件: ", "IME 檔案: "},
      {"BrowseButton", [](const MainWindow& w) { return w.BrowseButton.Caption; }, "...", "...", "..."},
      {"InstallButton", [](const MainWindow& w) { return w.InstallButton.Caption; }, "Install", "安装", "安裝"},
      {"RemoveNameBox starts empty", [](const MainWindow& w) { return w.RemoveNameBox.Caption; }, "", "", ""},
      {"StatusLine starts empty", [](const MainWindow& w) { return w.StatusLine.Text; }, "", "", ""},
  };
  for (UiLanguage language : kLanguages) {
    const MainWindow window = Applied(language);
    for (const Row& row : rows) {
      const Text3 expected = {row.english, row.simplified, row.traditional};
      EXPECT_EQ(row.get(window), expected.In(language)) << row.control << " in language " << static_cast<int>(language);
    }
  }
}

TEST_F(UiTextsTest, LanguageSwitchCaptionFollowsTheStyleOnScreen) {
  for (UiLanguage language : kLanguages) {
    windows_.System.Version = sim::version::WindowsXP;
    Context context(windows_.Platform());
    MainWindow window;
    window.Language = language;
    window.Settings.ShownIndicatorStyle = Indicator::LegacyIndicator;
    ApplyUiTexts(context, window);
    EXPECT_EQ(window.LanguageSwitchCheck.Caption, (Text3{"Switch IME", "切换输入法", "切換輸入法"}.In(language)));
  }
}

TEST_F(UiTextsTest, TitlesCarryTheVersionOnlyOnTheWindow) {
  for (UiLanguage language : kLanguages) {
    const MainWindow window = Applied(language);
    EXPECT_EQ(window.Title, "Fennick 2.8.3");
    EXPECT_EQ(window.TaskbarTitle, "Fennick");
  }
}

// Chord items, the install button, the font and the column widths by Windows version.
TEST_F(UiTextsTest, VersionDependentLayout) {
  struct Case {
    const char* name;
    std::uint32_t version;
    std::vector<std::string> chordItems;
    bool installEnabled;
    int fontHeight;
  } cases[] = {
      {"Windows 95", sim::version::Windows95, {"Ctrl+Shift", "Alt+Shift"}, true, -12},
      {"Windows 98", sim::version::Windows98, {"Ctrl+Shift", "Alt+Shift"}, true, -12},
      {"Windows NT 4", sim::version::WindowsNT4, {"Ctrl+Shift", "Alt+Shift"}, true, -11},
      {"Windows XP", sim::version::WindowsXP, {"Ctrl+Shift", "Alt+Shift"}, true, -11},
      {"Windows Vista", sim::version::WindowsVista, {"Ctrl+Shift", "Alt+Shift", "`"}, false, -11},
      {"Windows 7", sim::version::Windows7, {"Ctrl+Shift", "Alt+Shift", "`"}, false, -11},
      {"Windows 10", sim::version::Windows10, {"Ctrl+Shift", "Alt+Shift", "`"}, false, -11},
  };
  for (const Case& c : cases) {
    const MainWindow window = Applied(UiLanguage::English, c.version);
    EXPECT_EQ(window.LanguageChordCombo.Items, c.chordItems) << c.name;
    EXPECT_EQ(window.LayoutChordCombo.Items, c.chordItems) << c.name;
    EXPECT_EQ(window.InstallButton.Enabled, c.installEnabled) << c.name;
    EXPECT_EQ(window.FontHeight, c.fontHeight) << c.name;
    EXPECT_EQ(window.FontFace, "Tahoma") << c.name;
    EXPECT_EQ(window.PreloadListView.NameColumnWidth, 154) << c.name;
    EXPECT_EQ(window.PreloadListView.HotkeyColumnWidth, 155) << c.name;
  }
}

TEST_F(UiTextsTest, SystemMenuItems) {
  struct Case {
    UiLanguage language;
    const char *help, *about;
  } cases[] = {
      {UiLanguage::English, "&Command Line Switches", "&About..."},
      {UiLanguage::Simplified, "命令行参数(&P)", "关于(&A)..."},
      {UiLanguage::Traditional, "命令行參數", "版本信息..."},
  };
  for (const Case& c : cases) {
    const MainWindow window = Applied(c.language);
    ASSERT_EQ(window.SystemMenu.size(), 3u);
    EXPECT_EQ(window.SystemMenu[0].Flags, 0x800u);
    EXPECT_EQ(window.SystemMenu[0].Id, 0u);
    EXPECT_EQ(window.SystemMenu[1].Id, 0x402u);
    EXPECT_EQ(window.SystemMenu[1].Flags, 0u);
    EXPECT_EQ(window.SystemMenu[1].Text, c.help);
    EXPECT_EQ(window.SystemMenu[2].Id, 0x401u);
    EXPECT_EQ(window.SystemMenu[2].Flags, 8u);
    EXPECT_EQ(window.SystemMenu[2].Text, c.about);
  }
}

TEST(MessageTexts, SixTextsInThreeLanguages) {
  struct Row {
    const char* name;
    std::function<std::string(UiLanguage)> get;
    const char *english, *simplified, *traditional;
  } rows[] = {
      {"DuplicateHotkeyText", [](UiLanguage l) { return std::string(DuplicateHotkeyText(l)); }, "Duplicate hotkey!",
       "热键重复！", "熱鍵重復！"},
      {"LeftSideText", [](UiLanguage l) { return std::string(kLeftSideText.In(l)); }, "Left ", "左 ", "左 "},
      {"RightSideText", [](UiLanguage l) { return std::string(kRightSideText.In(l)); }, "Right ", "右 ", "右 "},
      {"WarningTitle", [](UiLanguage l) { return std::string(kWarningTitle.In(l)); }, "Warning!", "警告！", "警告！"},
      {"DeletePromptPrefix", [](UiLanguage l) { return std::string(kDeletePromptPrefix.In(l)); },
       "Do you want to delete ", "确定要删除 ", "確定要刪除 "},
      {"DeletePromptSuffix", [](UiLanguage l) { return std::string(kDeletePromptSuffix.In(l)); }, "\" ?", "\" 吗？",
       "\" 嗎？"},
  };
  for (const Row& row : rows) {
    const Text3 expected = {row.english, row.simplified, row.traditional};
    for (UiLanguage language : kLanguages) EXPECT_EQ(row.get(language), expected.In(language)) << row.name;
  }
}

// The window reaches the front end with its texts in the system's language.
TEST(StartUp, TheWindowSpeaksTheSystemsLanguage) {
  struct ShownWindow : WindowFrontEnd {
    void RunWindow(Context&, MainWindow& window) override { shown = window; }
    MainWindow shown;
  };
  struct Case {
    std::uint32_t locale;
    const char *ok, *helpItem;
  } cases[] = {
      {0x0804, "确定", "命令行参数(&P)"}, {0x0404, "確認", "命令行參數"},
      {0x0409, "&OK", "&Command Line Switches"}, {0x0C04, "&OK", "&Command Line Switches"},
      {0x0411, "&OK", "&Command Line Switches"},
  };
  for (const Case& c : cases) {
    sim::SimWindows windows;
    windows.System.Locale = c.locale;
    windows.System.CommandLineText = "fennick.exe";
    Context context(windows.Platform());
    ShownWindow frontEnd;
    RunProgram(context, frontEnd);
    EXPECT_EQ(frontEnd.shown.OkButton.Caption, c.ok) << std::hex << c.locale;
    ASSERT_EQ(frontEnd.shown.SystemMenu.size(), 3u);
    EXPECT_EQ(frontEnd.shown.SystemMenu[1].Text, c.helpItem) << std::hex << c.locale;
    EXPECT_EQ(frontEnd.shown.Title, "Fennick 2.8.3");
  }
}

class SystemCommandTest : public ::testing::Test {
 protected:
  void Use(UiLanguage language) {
    window_.Language = language;
    window_.HelpText = "the help text";
    ApplyUiTexts(context_, window_);
  }

  sim::SimWindows windows_;
  Context context_{windows_.Platform()};
  MainWindow window_;
};

TEST_F(SystemCommandTest, AboutBox) {
  struct Case {
    UiLanguage language;
    const char *title, *author, *date;
  } cases[] = {
      {UiLanguage::English, "Version Infermation", "Author: ", "Date: 2010.1.15"},
      {UiLanguage::Simplified, "版本信息", "作者: ", "日期: 2010.1.15"},
      {UiLanguage::Traditional, "版本信息", "作者: ", "日期: 2010.1.15"},
  };
  for (const Case& c : cases) {
    windows_.Dialogs.Shown.clear();
    Use(c.language);
    HandleSystemCommand(context_, window_, 0x401);
    ASSERT_EQ(windows_.Dialogs.Shown.size(), 1u);
    const sim::ShownBox& box = windows_.Dialogs.Shown[0];
    EXPECT_EQ(box.Owner, platform::BoxOwner::ActiveWindow);
    EXPECT_EQ(box.Style, 0x40u);
    EXPECT_EQ(box.Title, c.title);
    EXPECT_EQ(box.Text.find('\n'), std::string::npos);
    const std::vector<std::string> lines = Split('\r', box.Text);
    ASSERT_EQ(lines.size(), 3u) << box.Text;
    EXPECT_EQ(lines[0].rfind(c.author, 0), 0u) << lines[0];
    EXPECT_GT(lines[0].size(), std::string(c.author).size()) << "an author is named";
    EXPECT_EQ(lines[1], c.date);
    EXPECT_EQ(lines[2].rfind("https://", 0), 0u) << lines[2];
  }
}

TEST_F(SystemCommandTest, HelpBoxIsOwnedByTheApplicationAndTitledWithoutTheVersion) {
  for (UiLanguage language : kLanguages) {
    windows_.Dialogs.Shown.clear();
    Use(language);
    HandleSystemCommand(context_, window_, 0x402);
    ASSERT_EQ(windows_.Dialogs.Shown.size(), 1u);
    const sim::ShownBox& box = windows_.Dialogs.Shown[0];
    EXPECT_EQ(box.Owner, platform::BoxOwner::ApplicationWindow);
    EXPECT_EQ(box.Text, "the help text");
    EXPECT_EQ(box.Title, "Fennick");
    EXPECT_EQ(box.Style, 0x10000u);
  }
}

TEST_F(SystemCommandTest, OtherCommandsShowNothingAndTheBoxesChangeNothing) {
  Use(UiLanguage::English);
  const MainWindow before = window_;
  windows_.Log.Calls.clear();
  // Close, minimize, restore, move, and ids next to the program's own.
  for (std::uint32_t command : {0xF060u, 0xF020u, 0xF120u, 0xF010u, 0x400u, 0x403u, 0x410u}) {
    HandleSystemCommand(context_, window_, command);
  }
  EXPECT_TRUE(windows_.Dialogs.Shown.empty());
  HandleSystemCommand(context_, window_, 0x401);
  HandleSystemCommand(context_, window_, 0x401);
  HandleSystemCommand(context_, window_, 0x402);
  EXPECT_EQ(windows_.Dialogs.Shown.size(), 3u);
  for (const std::string& call : windows_.Log.Calls) EXPECT_EQ(call.rfind("MessageBox ", 0), 0u) << call;
  EXPECT_EQ(window_.Settings.PreloadList.size(), before.Settings.PreloadList.size());
  EXPECT_EQ(window_.StatusLine.Text, before.StatusLine.Text);
  EXPECT_FALSE(window_.CloseRequested);
}

}  // namespace
}  // namespace fennick
