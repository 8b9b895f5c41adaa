// The real main window, created in this process from a window record: its
// controls must sit where the layout puts them and show what the record holds,
// before and after handlers run through real window messages.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "program_window.h"
#include "ui/main_window_controls.h"
#include "ui/texts.h"
#include "ui/win32/main_window_view.h"

namespace fennick::win32 {
namespace {

using Id = ControlId;

// A record as a load would leave it: three preload entries, two available.
MainWindow LoadedRecord(Context& context) {
  MainWindow record;
  record.Language = UiLanguage::English;
  ApplyUiTexts(context, record);
  WorkingSettings& s = record.Settings;
  s.PreloadList = {{"00000409", "US legacy", "US", "", ""},
                   {"E0010804", "Pinyin legacy", "Pinyin", "", "Ctrl+Shift+1"},
                   {"00000804", "Chinese legacy", "Chinese", "", ""}};
  record.PreloadListView.Rows = {{"US"}, {"Pinyin"}, {"Chinese"}};
  record.PreloadListView.Selected = 0;
  s.AvailableList = {{"E0020804", "Wubi legacy", "Wubi"}, {"00000411", "Japanese legacy", "Japanese"}};
  record.AvailableCombo.Items = {"Wubi", "Japanese"};
  record.AvailableCombo.Current = 0;
  record.RowImages = {"", "", ""};
  s.LanguageSwitchOn = true;
  s.LanguageChord = chord::CtrlShift;
  s.LayoutChord = chord::AltShift;
  s.CapsRelease = 1;
  s.ShowStatusWindow = true;
  record.UpButton.Enabled = false;
  record.RemoveButton.Enabled = false;
  return record;
}

class MainWindowViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    record_ = LoadedRecord(context_);
    CreateFromRecord();
  }
  // The real window for what record_ now holds, in place of any earlier one.
  void CreateFromRecord() {
    ui_.reset();
    ui_ = std::make_unique<MainWindowUi>(GetModuleHandleW(nullptr), windows_.Dialogs, noDialogs_);
    ASSERT_TRUE(ui_->Create(context_, record_));
    ui_->Show();
    Pump();
  }
  void TearDown() override {
    ui_.reset();
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
  }

  // Delivers what is queued, as the program's message loop does.
  void Pump() { win32::Pump(ui_->Window()); }
  HWND Get(Id id) { return ui_->ControlWindow(id); }
  void Click(Id id) {
    SendMessageW(Get(id), BM_CLICK, 0, 0);
    Pump();
  }
  // The user picks an item: the list changes and tells its parent, as it does
  // when its drop-down closes on a new item.
  void Choose(Id id, int index) {
    HWND combo = Get(id);
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(DialogId(id), CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    Pump();
  }
  // The control's rectangle in its parent's client area.
  RECT Place(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }

  Win32Windows windows_;
  Win32DialogHost noDialogs_;  // never created: no dialog opens here
  Context context_{windows_.Platform()};
  MainWindow record_;
  std::unique_ptr<MainWindowUi> ui_;
};

TEST_F(MainWindowViewTest, ControlsSitWhereTheLayoutPutsThem) {
  constexpr int Fit = 0;  // sized to the caption: only the position is fixed
  struct Row {
    Id id, parent;
    int left, top, width, height;
  } rows[] = {
      {Id::PreloadListView, Id::None, 8, 8, 313, 113},   {Id::UpButton, Id::None, 8, 128, 41, 22},
      {Id::DownButton, Id::None, 51, 128, 41, 22},       {Id::DeleteButton, Id::None, 97, 128, 43, 22},
      {Id::HotkeyButton, Id::None, 145, 128, 57, 22},    {Id::PropertiesButton, Id::None, 204, 128, 57, 22},
      {Id::KeyboardButton, Id::None, 264, 128, 57, 22},  {Id::AvailableCombo, Id::None, 8, 158, 249, Fit},
      {Id::AddButton, Id::None, 264, 158, 57, 22},       {Id::SettingsTabs, Id::None, 8, 184, 313, 185},
      {Id::OkButton, Id::None, 8, 375, 57, 22},          {Id::ApplyButton, Id::None, 82, 375, 57, 22},
      {Id::ExitButton, Id::None, 264, 375, 57, 22},
      {Id::IndicatorEnableCheck, Id::GeneralPage, 176, 5, Fit, Fit},
      {Id::ImeStyleGroup, Id::GeneralPage, 8, 7, 289, 52},
      {Id::IndicatorRadio, Id::ImeStyleGroup, 38, 20, Fit, Fit},
      {Id::TextServicesRadio, Id::ImeStyleGroup, 158, 20, Fit, Fit},
      {Id::SwitchGroup, Id::GeneralPage, 8, 65, 289, 79},
      {Id::LanguageSwitchCheck, Id::SwitchGroup, 14, 18, Fit, Fit},
      {Id::LayoutSwitchCheck, Id::SwitchGroup, 145, 18, Fit, Fit},
      {Id::LanguageChordCombo, Id::SwitchGroup, 14, 41, 100, Fit},
      {Id::LayoutChordCombo, Id::SwitchGroup, 145, 41, 100, Fit},
      {Id::ToggleGroup, Id::OtherPage, 8, 6, 289, 60},   {Id::ToggleCombo, Id::ToggleGroup, 16, 26, 129, Fit},
      {Id::ToggleHotkeyButton, Id::ToggleGroup, 152, 26, 121, 22},
      {Id::OtherGroup, Id::OtherPage, 8, 73, 289, 73},   {Id::CapsLabel, Id::OtherGroup, 24, 23, Fit, Fit},
      {Id::CapsCombo, Id::OtherGroup, 24, 43, 81, Fit},  {Id::SeparatorLine, Id::OtherGroup, 144, 16, 2, 49},
      {Id::ShowStatusCheck, Id::OtherGroup, 168, 31, Fit, Fit},
      {Id::RemoveGroup, Id::AdvancedPage, 8, 7, 289, 55}, {Id::RemoveNameBox, Id::RemoveGroup, 16, 22, 185, 22},
      {Id::RemoveButton, Id::RemoveGroup, 217, 22, 59, 22},
      {Id::InstallGroup, Id::AdvancedPage, 8, 69, 289, 78},
      {Id::InstallNameLabel, Id::InstallGroup, 15, 20, Fit, Fit},
      {Id::InstallNameEdit, Id::InstallGroup, 91, 16, 182, 22},
      {Id::InstallFileLabel, Id::InstallGroup, 15, 52, Fit, Fit},
      {Id::InstallFileEdit, Id::InstallGroup, 91, 48, 94, 22},
      {Id::BrowseButton, Id::InstallGroup, 187, 48, 25, 22},
      {Id::InstallButton, Id::InstallGroup, 221, 48, 55, 22},
  };
  for (const Row& row : rows) {
    HWND control = Get(row.id);
    ASSERT_TRUE(control) << static_cast<int>(row.id);
    EXPECT_EQ(GetParent(control), row.parent == Id::None ? ui_->Window() : Get(row.parent)) << static_cast<int>(row.id);
    const RECT rect = Place(control);
    EXPECT_EQ(rect.left, row.left) << static_cast<int>(row.id);
    EXPECT_EQ(rect.top, row.top) << static_cast<int>(row.id);
    if (row.width != Fit) {
      EXPECT_EQ(rect.right - rect.left, row.width) << static_cast<int>(row.id);
    }
    if (row.height != Fit) {
      EXPECT_EQ(rect.bottom - rect.top, row.height) << static_cast<int>(row.id);
    }
    EXPECT_GT(rect.right - rect.left, 0) << static_cast<int>(row.id);
    EXPECT_GT(rect.bottom - rect.top, 0) << static_cast<int>(row.id);
  }
  // The three pages are containers inside the tab control.
  for (Id page : {Id::GeneralPage, Id::OtherPage, Id::AdvancedPage}) {
    EXPECT_EQ(GetParent(Get(page)), Get(Id::SettingsTabs));
  }
}

TEST_F(MainWindowViewTest, FixedWindowWithAStatusBarBelowTheControlArea) {
  HWND window = ui_->Window();
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_EQ(GetWindow(window, GW_OWNER), ui_->ApplicationWindow());
  EXPECT_EQ(TextOf(window), "Fennick 2.8.3");
  EXPECT_EQ(TextOf(ui_->ApplicationWindow()), "Fennick");
  EXPECT_TRUE(SendMessageW(window, WM_GETICON, ICON_BIG, 0) || GetClassLongPtrW(window, GCLP_HICON));

  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 327);
  EXPECT_EQ(client.bottom, 426);
  EXPECT_FALSE(ui_->StatusWindow()) << "no status text has been set yet";

  // The first status text adds the bar below the 327 by 426 area.
  SendMessageW(Get(Id::SettingsTabs), TCM_SETCURFOCUS, 1, 0);
  SendMessageW(Get(Id::SettingsTabs), TCM_SETCURFOCUS, 1, 0);
  Pump();
  ASSERT_TRUE(ui_->StatusWindow());
  RECT bar;
  GetWindowRect(ui_->StatusWindow(), &bar);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&bar), 2);
  GetClientRect(window, &client);
  EXPECT_EQ(bar.top, 426);
  EXPECT_EQ(client.right, 327);
  EXPECT_EQ(client.bottom, 426 + (bar.bottom - bar.top));
  const LRESULT parts = SendMessageW(ui_->StatusWindow(), SB_GETPARTS, 0, 0);
  EXPECT_EQ(parts, 1);
}

TEST_F(MainWindowViewTest, CreationAndTabOrder) {
  auto children = [](HWND parent) {
    std::vector<int> ids;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      ids.push_back(GetDlgCtrlID(child));
    }
    return ids;
  };
  auto ids = [](std::initializer_list<Id> controls) {
    std::vector<int> result;
    for (Id id : controls) result.push_back(DialogId(id));
    return result;
  };
  EXPECT_EQ(children(ui_->Window()),
            ids({Id::OkButton, Id::SettingsTabs, Id::UpButton, Id::DownButton, Id::DeleteButton, Id::AddButton,
                 Id::AvailableCombo, Id::PreloadListView, Id::ExitButton, Id::HotkeyButton, Id::ApplyButton,
                 Id::PropertiesButton, Id::KeyboardButton}));
  EXPECT_EQ(children(Get(Id::GeneralPage)), ids({Id::IndicatorEnableCheck, Id::SwitchGroup, Id::ImeStyleGroup}));
  EXPECT_EQ(children(Get(Id::SwitchGroup)), ids({Id::LanguageSwitchCheck, Id::LayoutSwitchCheck,
                                                 Id::LanguageChordCombo, Id::LayoutChordCombo}));
  EXPECT_EQ(children(Get(Id::ImeStyleGroup)), ids({Id::TextServicesRadio, Id::IndicatorRadio}));
  EXPECT_EQ(children(Get(Id::OtherGroup)), ids({Id::CapsLabel, Id::SeparatorLine, Id::ShowStatusCheck, Id::CapsCombo}));
  EXPECT_EQ(children(Get(Id::ToggleGroup)), ids({Id::ToggleHotkeyButton, Id::ToggleCombo}));
  EXPECT_EQ(children(Get(Id::InstallGroup)), ids({Id::InstallFileLabel, Id::InstallNameLabel, Id::InstallNameEdit,
                                                  Id::InstallFileEdit, Id::BrowseButton, Id::InstallButton}));

  // Tab from OK visits the controls that take the focus in creation order;
  // UpButton, the group boxes, the tab control and the hidden pages are left
  // out, and of the two style radios Tab stops at the selected one (arrow keys
  // move between them).
  std::vector<int> visited;
  HWND control = Get(Id::OkButton);
  for (int i = 0; i < 40; ++i) {
    visited.push_back(GetDlgCtrlID(control));
    control = GetNextDlgTabItem(ui_->Window(), control, FALSE);
    if (control == Get(Id::OkButton)) break;
  }
  std::vector<int> expected = ids({Id::OkButton, Id::IndicatorEnableCheck, Id::LanguageSwitchCheck,
                                   Id::LanguageChordCombo, Id::LayoutChordCombo, Id::TextServicesRadio,
                                   Id::DownButton, Id::DeleteButton, Id::AddButton,
                                   Id::AvailableCombo, Id::PreloadListView, Id::ExitButton, Id::HotkeyButton,
                                   Id::ApplyButton, Id::PropertiesButton, Id::KeyboardButton});
  // LayoutSwitchCheck takes the focus only while it is enabled.
  if (record_.LayoutSwitchCheck.Enabled) expected.insert(expected.begin() + 3, DialogId(Id::LayoutSwitchCheck));
  EXPECT_EQ(visited, expected);
}

TEST_F(MainWindowViewTest, ControlsShowTheRecord) {
  for (Id id : {Id::UpButton, Id::DownButton, Id::DeleteButton, Id::HotkeyButton, Id::PropertiesButton,
                Id::KeyboardButton, Id::AddButton, Id::OkButton, Id::ApplyButton, Id::ExitButton,
                Id::IndicatorEnableCheck, Id::ImeStyleGroup, Id::TextServicesRadio, Id::IndicatorRadio,
                Id::LanguageSwitchCheck, Id::LayoutSwitchCheck, Id::ToggleGroup, Id::ToggleHotkeyButton,
                Id::OtherGroup, Id::CapsLabel, Id::ShowStatusCheck, Id::RemoveGroup, Id::RemoveButton,
                Id::InstallGroup, Id::InstallNameLabel, Id::InstallFileLabel, Id::BrowseButton, Id::InstallButton}) {
    const Control* control = FindControl(record_, id);
    ASSERT_TRUE(control);
    EXPECT_EQ(TextOf(Get(id)), control->Caption) << static_cast<int>(id);
    EXPECT_EQ(IsWindowEnabled(Get(id)) != FALSE, control->Enabled) << static_cast<int>(id);
  }
  EXPECT_EQ(TextOf(Get(Id::UpButton)), "&Up");
  EXPECT_FALSE(IsWindowEnabled(Get(Id::UpButton)));
  EXPECT_FALSE(IsWindowEnabled(Get(Id::RemoveButton)));
  EXPECT_EQ(IsWindowEnabled(Get(Id::InstallButton)) != FALSE, !context_.Version.IsVistaOrLater());

  EXPECT_TRUE(Checked(Get(Id::IndicatorEnableCheck)));
  EXPECT_TRUE(Checked(Get(Id::TextServicesRadio)));
  EXPECT_FALSE(Checked(Get(Id::IndicatorRadio)));
  EXPECT_TRUE(Checked(Get(Id::LanguageSwitchCheck)));
  EXPECT_FALSE(Checked(Get(Id::LayoutSwitchCheck)));
  EXPECT_TRUE(Checked(Get(Id::ShowStatusCheck)));

  EXPECT_EQ(ComboItems(Get(Id::AvailableCombo)), (std::vector<std::string>{"Wubi", "Japanese"}));
  EXPECT_EQ(SendMessageW(Get(Id::AvailableCombo), CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(ComboItems(Get(Id::LanguageChordCombo)), record_.LanguageChordCombo.Items);
  EXPECT_EQ(SendMessageW(Get(Id::LanguageChordCombo), CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(SendMessageW(Get(Id::LayoutChordCombo), CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(ComboItems(Get(Id::ToggleCombo)),
            (std::vector<std::string>{"Ime/NonIme Toggle", "Shape Toggle", "Symbol Toggle"}));
  EXPECT_EQ(SendMessageW(Get(Id::ToggleCombo), CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(ComboItems(Get(Id::CapsCombo)), (std::vector<std::string>{"Caps Lock", "Shift"}));
  EXPECT_EQ(SendMessageW(Get(Id::CapsCombo), CB_GETCURSEL, 0, 0), 1);

  HWND list = Get(Id::PreloadListView);
  ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 3);
  const char* names[] = {"US", "Pinyin", "Chinese"};
  const char* hotkeys[] = {"", "Ctrl+Shift+1", ""};
  for (int row = 0; row < 3; ++row) {
    EXPECT_EQ(ListCell(list, row, 0), names[row]);
    EXPECT_EQ(ListCell(list, row, 1), hotkeys[row]);
  }
  EXPECT_EQ(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 0);
  EXPECT_EQ(SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0), 154);
  EXPECT_EQ(SendMessageW(list, LVM_GETCOLUMNWIDTH, 1, 0), 155);
  const LONG_PTR listStyle = GetWindowLongPtrW(list, GWL_STYLE);
  EXPECT_EQ(listStyle & LVS_TYPEMASK, LVS_REPORT);
  EXPECT_TRUE(listStyle & LVS_SINGLESEL);
  EXPECT_TRUE(listStyle & LVS_SHOWSELALWAYS);
  EXPECT_TRUE(listStyle & LVS_EDITLABELS);
  const LRESULT extended = SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
  EXPECT_TRUE(extended & LVS_EX_GRIDLINES);
  EXPECT_TRUE(extended & LVS_EX_FULLROWSELECT);
  HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageW(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
  ASSERT_TRUE(images);
  int cx = 0, cy = 0;
  ImageList_GetIconSize(images, &cx, &cy);
  EXPECT_EQ(cx, 16);
  EXPECT_EQ(cy, 16);
  EXPECT_EQ(ImageList_GetImageCount(images), 3);

  HWND tabs = Get(Id::SettingsTabs);
  const char* pages[] = {"Normal", "Other", "Advanced"};
  for (int page = 0; page < 3; ++page) {
    wchar_t text[64] = {};
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(page), reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(Narrow(std::wstring(text)), pages[page]);
  }
  EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 0);
  EXPECT_TRUE(IsWindowVisible(Get(Id::GeneralPage)));
  EXPECT_FALSE(IsWindowVisible(Get(Id::OtherPage)));
  EXPECT_FALSE(IsWindowVisible(Get(Id::AdvancedPage)));

  // Every control uses the window's font.
  for (Id id : {Id::OkButton, Id::PreloadListView, Id::CapsLabel, Id::InstallNameEdit, Id::SettingsTabs}) {
    LOGFONTW font = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Get(id), WM_GETFONT, 0, 0)), sizeof(font), &font);
    EXPECT_EQ(font.lfHeight, record_.FontHeight) << static_cast<int>(id);
    EXPECT_EQ(std::wstring(font.lfFaceName), L"Tahoma") << static_cast<int>(id);
  }

  // The system menu ends with a separator, the help item and the About item with its check mark.
  HMENU menu = GetSystemMenu(ui_->Window(), FALSE);
  const int count = GetMenuItemCount(menu);
  ASSERT_GE(count, 3);
  EXPECT_TRUE(GetMenuState(menu, static_cast<UINT>(count - 3), MF_BYPOSITION) & MF_SEPARATOR);
  EXPECT_EQ(GetMenuItemID(menu, count - 2), 0x402u);
  EXPECT_EQ(GetMenuItemID(menu, count - 1), 0x401u);
  EXPECT_FALSE(GetMenuState(menu, 0x402, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_TRUE(GetMenuState(menu, 0x401, MF_BYCOMMAND) & MF_CHECKED);
  wchar_t item[64] = {};
  GetMenuStringW(menu, 0x402, item, 64, MF_BYCOMMAND);
  EXPECT_EQ(Narrow(std::wstring(item)), "&Command Line Switches");
}

TEST_F(MainWindowViewTest, HandlersRunFromRealMessagesAndTheControlsFollow) {
  HWND list = Get(Id::PreloadListView);

  // The legacy style: names, renaming, the available list and the chords follow.
  Click(Id::IndicatorRadio);
  EXPECT_EQ(record_.Settings.IndicatorStyle, Indicator::LegacyIndicator);
  EXPECT_TRUE(Checked(Get(Id::IndicatorRadio)));
  EXPECT_FALSE(Checked(Get(Id::TextServicesRadio)));
  EXPECT_EQ(ListCell(list, 1, 0), "Pinyin legacy");
  EXPECT_EQ(ListCell(list, 1, 1), "Ctrl+Shift+1");
  EXPECT_FALSE(GetWindowLongPtrW(list, GWL_STYLE) & LVS_EDITLABELS);
  EXPECT_EQ(ComboItems(Get(Id::AvailableCombo)), (std::vector<std::string>{"Wubi legacy", "Japanese legacy"}));
  EXPECT_EQ(SendMessageW(Get(Id::AvailableCombo), CB_GETCURSEL, 0, 0), CB_ERR);
  EXPECT_EQ(TextOf(Get(Id::LanguageSwitchCheck)), "Switch IME");
  EXPECT_FALSE(IsWindowEnabled(Get(Id::LayoutSwitchCheck)));
  EXPECT_FALSE(IsWindowEnabled(Get(Id::LayoutChordCombo)));

  // Unticking the indicator disables the style choice.
  Click(Id::IndicatorEnableCheck);
  EXPECT_FALSE(record_.Settings.IndicatorEnabled);
  EXPECT_FALSE(Checked(Get(Id::IndicatorEnableCheck)));
  for (Id id : {Id::ImeStyleGroup, Id::TextServicesRadio, Id::IndicatorRadio}) {
    EXPECT_FALSE(IsWindowEnabled(Get(id))) << static_cast<int>(id);
  }

  // The user selects the last row: the row buttons and the status bar follow.
  LVITEMW state = {};
  state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list, LVM_SETITEMSTATE, 2, reinterpret_cast<LPARAM>(&state));
  Pump();
  EXPECT_EQ(record_.PreloadListView.Selected, 2);
  EXPECT_TRUE(IsWindowEnabled(Get(Id::UpButton)));
  EXPECT_FALSE(IsWindowEnabled(Get(Id::DownButton)));
  EXPECT_FALSE(IsWindowEnabled(Get(Id::PropertiesButton)));
  ASSERT_TRUE(ui_->StatusWindow());
  wchar_t status[256] = {};
  SendMessageW(ui_->StatusWindow(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(status));
  EXPECT_EQ(Narrow(std::wstring(status)), record_.StatusLine.Text);
  EXPECT_NE(record_.StatusLine.Text.find("| 00000804"), std::string::npos) << record_.StatusLine.Text;

  // The pointer over the second row describes it.
  RECT firstRow = {};
  firstRow.left = LVIR_BOUNDS;
  SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&firstRow));
  SendMessageW(list, WM_MOUSEMOVE, 0, MAKELPARAM(20, firstRow.top + 17 + 3));
  EXPECT_EQ(record_.StatusLine.Text.rfind("Hotkey: Ctrl+Shift+1 KeyBoard: ", 0), 0u) << record_.StatusLine.Text;
  SendMessageW(ui_->StatusWindow(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(status));
  EXPECT_EQ(Narrow(std::wstring(status)), record_.StatusLine.Text);

  // Typing into the install fields, then the Advanced page through the tab control.
  SetWindowTextW(Get(Id::InstallNameEdit), L"My IME");
  SetWindowTextW(Get(Id::InstallFileEdit), L"my.ime");
  Pump();
  EXPECT_EQ(record_.InstallNameEdit.Text, "My IME");
  EXPECT_EQ(record_.InstallFileEdit.Text, "my.ime");
  EXPECT_EQ(IsWindowEnabled(Get(Id::InstallButton)) != FALSE, record_.InstallButton.Enabled);
  EXPECT_EQ(record_.InstallButton.Enabled, !context_.Version.IsVistaOrLater());
  Choose(Id::AvailableCombo, 1);
  EXPECT_EQ(record_.AvailableCombo.Current, 1);
  for (int i = 0; i < 2 && SendMessageW(Get(Id::SettingsTabs), TCM_GETCURSEL, 0, 0) != 2; ++i) {
    SendMessageW(Get(Id::SettingsTabs), TCM_SETCURFOCUS, 2, 0);
  }
  Pump();
  EXPECT_EQ(record_.SettingsPage, 2);
  EXPECT_TRUE(IsWindowVisible(Get(Id::AdvancedPage)));
  EXPECT_FALSE(IsWindowVisible(Get(Id::GeneralPage)));
  EXPECT_EQ(TextOf(Get(Id::RemoveNameBox)), "Japanese legacy");
  EXPECT_EQ(record_.StatusLine.Text, "");

  // Choosing another toggle names it with its hotkey.
  Choose(Id::ToggleCombo, 2);
  EXPECT_EQ(record_.Settings.SelectedToggle, 2);
  EXPECT_EQ(record_.StatusLine.Text, "Symbol Toggle: ");
  EXPECT_EQ(TextOf(Get(Id::ToggleHotkeyButton)), "");
}

TEST_F(MainWindowViewTest, AClickThatLeavesNoRowSelectedSelectsTheLast) {
  HWND list = Get(Id::PreloadListView);
  // A click on the empty area: the list drops its selection, then reports the click.
  LVITEMW state = {};
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
  NMITEMACTIVATE click = {};
  click.hdr = {list, static_cast<UINT_PTR>(DialogId(Id::PreloadListView)), static_cast<UINT>(NM_CLICK)};
  click.iItem = -1;
  click.ptAction = {20, 100};
  SendMessageW(ui_->Window(), WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
  Pump();
  EXPECT_EQ(record_.PreloadListView.Selected, 2);
  EXPECT_EQ(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 2);
}

TEST_F(MainWindowViewTest, UpButtonGivesTheFocusBack) {
  SetFocus(Get(Id::PreloadListView));
  ASSERT_EQ(GetFocus(), Get(Id::PreloadListView));
  EnableWindow(Get(Id::UpButton), TRUE);
  Click(Id::UpButton);
  EXPECT_EQ(GetFocus(), Get(Id::PreloadListView));
  EXPECT_FALSE(GetWindowLongPtrW(Get(Id::UpButton), GWL_STYLE) & WS_TABSTOP);
}

TEST_F(MainWindowViewTest, EnterIsTheDefaultButtonAndEscapeCloses) {
  EXPECT_TRUE((GetWindowLongPtrW(Get(Id::OkButton), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
  EXPECT_EQ(SendMessageW(ui_->Window(), DM_GETDEFID, 0, 0), MAKELRESULT(DialogId(Id::OkButton), DC_HASDEFID));
  SetFocus(Get(Id::PreloadListView));
  PostMessageW(Get(Id::PreloadListView), WM_KEYDOWN, VK_ESCAPE, 0);
  Pump();
  EXPECT_TRUE(record_.CloseRequested);
  EXPECT_FALSE(ui_->Window()) << "the window is gone";
}

TEST_F(MainWindowViewTest, MinimizingGoesThroughTheApplicationWindow) {
  SendMessageW(ui_->Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  Pump();
  EXPECT_TRUE(IsIconic(ui_->ApplicationWindow()));
  EXPECT_FALSE(IsWindowVisible(ui_->Window()));
  SendMessageW(ui_->ApplicationWindow(), WM_SYSCOMMAND, SC_RESTORE, 0);
  Pump();
  EXPECT_FALSE(IsIconic(ui_->ApplicationWindow()));
  EXPECT_TRUE(IsWindowVisible(ui_->Window()));
  EXPECT_FALSE(record_.CloseRequested);
}

// Row i's image as the list view draws it, 16 by 16 pixels on white.
std::vector<std::uint32_t> RowImagePixels(HWND list, int i) {
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 16, -16, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bitmap);
  PatBlt(dc, 0, 0, 16, 16, WHITENESS);
  ImageList_Draw(ListView_GetImageList(list, LVSIL_SMALL), i, dc, 0, 0, ILD_NORMAL);
  GdiFlush();
  const auto* first = static_cast<const std::uint32_t*>(bits);
  std::vector<std::uint32_t> pixels(first, first + 16 * 16);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return pixels;
}

// A row shows the first icon of its IME file; a row whose file has none, or
// that has no file, shows the program's own icon.
TEST_F(MainWindowViewTest, RowImagesComeFromTheImeFileOrElseTheProgram) {
  testing::InstallSystemFixtures();
  const std::string system = Narrow(testing::SystemDirectoryPath());
  record_.RowImages = {"", system + "fnkicon.dll", system + "fnkbare.ime"};
  CreateFromRecord();

  HWND list = Get(Id::PreloadListView);
  ASSERT_EQ(ImageList_GetImageCount(ListView_GetImageList(list, LVSIL_SMALL)), 3);
  const std::vector<std::uint32_t> program = RowImagePixels(list, 0);
  const std::vector<std::uint32_t> fromFile = RowImagePixels(list, 1);
  EXPECT_EQ(fromFile[8 * 16 + 8] & 0xFFFFFF, 0xFF0000u);  // fnkicon.dll's red square
  EXPECT_NE(program, fromFile);
  EXPECT_EQ(RowImagePixels(list, 2), program);
}

TEST_F(MainWindowViewTest, CloseBoxClosesWithoutWriting) {
  PostMessageW(ui_->Window(), WM_CLOSE, 0, 0);
  Pump();
  EXPECT_TRUE(record_.CloseRequested);
  EXPECT_FALSE(ui_->Window());
}

}  // namespace
}  // namespace fennick::win32
