// The hotkey editor on its record, opened from the main window's record for a
// row of the preload list or for an IME toggle; the user's actions are scripts
// that call the dialog's handlers.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <tuple>

#include "hotkeys/ime_hotkeys.h"
#include "scripted_dialogs.h"
#include "test_machine.h"
#include "ui/hotkey_dialog.h"
#include "ui/main_window_events.h"

namespace fennick {
namespace {

using testing::ScriptedDialogs;
using testing::TestMachine;
using Box = HotkeyControl;

// What the user sets before pressing OK: the five boxes as ticked, and a key.
struct Choice {
  bool Enable = true;
  bool Ctrl = false, Alt = false, Shift = false;
  bool Left = true, Right = true;
  const char* Key = "None";
};

// Clicks the boxes that differ and picks the key, as the user would, then
// presses OK and keeps the code the dialog gave.
ScriptedDialogs::Script Press(const Choice& choice, std::string* code = nullptr) {
  return [choice, code](Context& context, MainWindow& window) {
    HotkeyDialog& d = window.HotkeyEditor;
    if (d.EnableBox.Checked != choice.Enable) HotkeyBoxClicked(window, Box::EnableBox, choice.Enable);
    const std::pair<Box, bool> boxes[] = {{Box::CtrlBox, choice.Ctrl},   {Box::AltBox, choice.Alt},
                                          {Box::ShiftBox, choice.Shift}, {Box::LeftBox, choice.Left},
                                          {Box::RightBox, choice.Right}};
    const CheckBox* states[] = {&d.CtrlBox, &d.AltBox, &d.ShiftBox, &d.LeftBox, &d.RightBox};
    for (int i = 0; i < 5; ++i) {
      if (states[i]->Checked != boxes[i].second) HotkeyBoxClicked(window, boxes[i].first, boxes[i].second);
    }
    const auto& items = d.KeyChoice.Items;
    HotkeyKeyChosen(window, static_cast<int>(std::find(items.begin(), items.end(), choice.Key) - items.begin()));
    HotkeyDialogOk(context, window);
    if (code) *code = d.Code;
  };
}

std::vector<std::string> Labels(const TestMachine& m) {
  std::vector<std::string> labels;
  for (const PreloadEntry& entry : m.window.Settings.PreloadList) labels.push_back(entry.HotkeyLabel);
  return labels;
}

std::vector<std::string> Records(const TestMachine& m) {
  std::vector<std::string> records;
  for (const ImeHotkey& h : m.window.Settings.ImeHotkeys) {
    records.push_back(h.Modifiers + " " + h.VirtualKey + " " + h.TargetLayoutId);
  }
  return records;
}

TEST(HotkeyDialog, CreatedWithItsTextsAndTheFontOfTheVersion) {
  const struct {
    std::uint32_t Version;
    std::uint32_t Locale;
    int Font;
    std::vector<std::string> Texts;  // title, group, enable box, key item 0, left, right, OK, Cancel
  } cases[] = {
      {sim::version::WindowsXP, 0x0409, -11, {"Hotkey", "Hotkey", "Enable hotkey", "None", "Left", "Right", "OK", "Cancel"}},
      {sim::version::Windows2003, 0x0804, -12, {"热键", "热键", "启用热键", "无", "左", "右", "确定", "取消"}},
      {sim::version::Windows98, 0x0404, -12, {"熱鍵", "熱鍵", "啟用熱鍵", "無", "左", "右", "確認", "放棄"}},
      {sim::version::WindowsNT4, 0x0C04, -11, {"Hotkey", "Hotkey", "Enable hotkey", "None", "Left", "Right", "OK", "Cancel"}},
      {sim::version::Windows2000, 0x0409, -11, {"Hotkey", "Hotkey", "Enable hotkey", "None", "Left", "Right", "OK", "Cancel"}},
      {sim::version::Windows7, 0x0409, -11, {"Hotkey", "Hotkey", "Enable hotkey", "None", "Left", "Right", "OK", "Cancel"}},
      {sim::version::Windows10, 0x0409, -11, {"Hotkey", "Hotkey", "Enable hotkey", "None", "Left", "Right", "OK", "Cancel"}},
  };
  for (const auto& c : cases) {
    auto m = testing::StartedMachine(c.Version, c.Locale);
    const HotkeyDialog& d = m->window.HotkeyEditor;
    EXPECT_EQ(d.FontHeight, c.Font) << c.Version;
    EXPECT_EQ((std::vector<std::string>{d.Title, d.HotkeyGroup.Caption, d.EnableBox.Caption, d.KeyChoice.Items[0],
                                        d.LeftBox.Caption, d.RightBox.Caption, d.OkButton.Caption,
                                        d.CancelButton.Caption}),
              c.Texts)
        << c.Version;
    EXPECT_EQ(d.TitleLabel.Caption, "输入法");
    EXPECT_EQ((std::vector<std::string>{d.CtrlBox.Caption, d.AltBox.Caption, d.ShiftBox.Caption, d.PlusLabel.Caption}),
              (std::vector<std::string>{"Ctrl", "Alt", "Shift", "+"}));
    ASSERT_EQ(d.KeyChoice.Items.size(), 92u);
    EXPECT_EQ(d.KeyChoice.Items[1], "0");
    EXPECT_EQ(d.KeyChoice.Items[91], "NUMPAD /");
    EXPECT_TRUE(d.LeftBox.Checked && d.RightBox.Checked);
  }
}

TEST(HotkeyDialog, LoadHotkeySetsWhatItsCodesName) {
  struct State {
    bool Ctrl, Alt, Shift, Left, Right;
    int Key;
    bool Enable;
  };
  const State before = {true, true, true, true, true, 5, false};
  const struct {
    const char* Modifiers;
    const char* VirtualKey;
    State After;
  } cases[] = {
      {"0000C006", "00000031", {true, false, true, true, true, 2, true}},
      {"00004001", "00000070", {false, true, false, false, true, 12, true}},
      {"00008007", "00000041", {true, true, true, true, false, 24, true}},
      {"0000c004", "0000006f", {false, false, true, true, true, 91, true}},
      {"", "", {false, false, false, false, false, 0, false}},
      {"", "00000031", {false, false, false, false, false, 2, true}},
      {"00000008", "000000FF", {true, true, true, true, true, 5, true}},  // codes the boxes cannot show
      {"0000C000", "", {true, true, true, true, true, 0, false}},
  };
  for (const auto& c : cases) {
    HotkeyDialog d;
    d.KeyChoice.Items.resize(92);
    d.CtrlBox.Checked = before.Ctrl;
    d.AltBox.Checked = before.Alt;
    d.ShiftBox.Checked = before.Shift;
    d.LeftBox.Checked = before.Left;
    d.RightBox.Checked = before.Right;
    d.KeyChoice.Current = before.Key;
    d.EnableBox.Checked = before.Enable;
    LoadHotkey(d, c.Modifiers, c.VirtualKey);
    const State after = {d.CtrlBox.Checked, d.AltBox.Checked, d.ShiftBox.Checked, d.LeftBox.Checked,
                         d.RightBox.Checked, d.KeyChoice.Current, d.EnableBox.Checked};
    EXPECT_EQ(std::tie(after.Ctrl, after.Alt, after.Shift, after.Left, after.Right, after.Key, after.Enable),
              std::tie(c.After.Ctrl, c.After.Alt, c.After.Shift, c.After.Left, c.After.Right, c.After.Key,
                       c.After.Enable))
        << c.Modifiers << " " << c.VirtualKey;
  }
}

TEST(HotkeyDialog, OkMakesTheCodeFromTheBoxesAndTheKey) {
  const struct {
    const char* Name;
    Choice Chosen;
    std::string Code;
    std::string Label;
    std::string Record;  // the row's new record
  } cases[] = {
      {"right Ctrl+Shift+F1", {true, true, false, true, false, true, "F1"}, "400670", "Right Ctrl+Shift+F1",
       "00004006 00000070 00000409"},
      {"either side Alt+A", {true, false, true, false, true, true, "A"}, "C00141", "Alt+A", "0000C001 00000041 00000409"},
      {"left Ctrl+Alt+Shift+SPACE", {true, true, true, true, true, false, "SPACE"}, "800720",
       "Left Ctrl+Alt+Shift+SPACE", "00008007 00000020 00000409"},
      {"Ctrl+Alt", {true, true, true, false, true, true, "NUMPAD /"}, "C0036F", "Ctrl+Alt+NUMPAD /",
       "0000C003 0000006F 00000409"},
      {"no side", {true, true, false, true, false, false, "F1"}, "", "", ""},
      {"no modifier", {true, false, false, false, true, true, "F1"}, "", "", ""},
      {"the key None", {true, true, false, true, true, true, "None"}, "", "", ""},
  };
  for (const auto& c : cases) {
    auto m = testing::StartedMachine();
    ScriptedDialogs dialogs;
    std::string code = "unset";
    dialogs.Scripts = {Press(c.Chosen, &code)};
    RowSelectionChanged(*m->context, m->window, 0);
    EditRowHotkey(*m->context, m->window, dialogs);
    EXPECT_EQ(code, c.Code) << c.Name;
    EXPECT_EQ(Labels(*m), (std::vector<std::string>{c.Label, "Ctrl+Shift+1", ""})) << c.Name;
    std::vector<std::string> records = {"0000C006 00000031 E0010804"};
    if (!c.Record.empty()) records.push_back(c.Record);
    EXPECT_EQ(Records(*m), records) << c.Name;
    EXPECT_TRUE(m->windows.Dialogs.Shown.empty()) << c.Name;
    EXPECT_EQ(m->window.HotkeyEditor.Result, DialogResult::None) << "the result is cleared after use";
  }
}

TEST(HotkeyDialog, TheEnableBoxClearedGivesNoHotkeyWhateverTheOtherControlsSay) {
  auto m = testing::StartedMachine();
  ScriptedDialogs dialogs;
  dialogs.Scripts = {[](Context& context, MainWindow& window) {
    HotkeyDialog& d = window.HotkeyEditor;
    d.EnableBox.Checked = false;
    d.CtrlBox.Checked = d.AltBox.Checked = d.ShiftBox.Checked = d.LeftBox.Checked = d.RightBox.Checked = true;
    d.KeyChoice.Current = 12;
    HotkeyDialogOk(context, window);
  }};
  RowSelectionChanged(*m->context, m->window, 1);
  EditRowHotkey(*m->context, m->window, dialogs);
  EXPECT_EQ(Labels(*m), (std::vector<std::string>{"", "", ""}));
  EXPECT_TRUE(Records(*m).empty()) << "the row's hotkey is removed";
}

TEST(HotkeyDialog, ARowWithoutAHotkeyOpensWithEverythingButTheEnableBoxOff) {
  auto m = testing::StartedMachine();
  ScriptedDialogs dialogs;
  HotkeyDialog afterClick;
  dialogs.Scripts = {
      // A first use leaves every box ticked.
      Press({true, true, true, true, true, true, "F5"}),
      [&afterClick](Context&, MainWindow& window) {
        HotkeyBoxClicked(window, Box::EnableBox, true);
        afterClick = window.HotkeyEditor;
        HotkeyDialogCancel(window);
      },
  };
  RowSelectionChanged(*m->context, m->window, 1);
  EditRowHotkey(*m->context, m->window, dialogs);
  ASSERT_EQ(m->window.Settings.PreloadList[1].HotkeyLabel, "Ctrl+Alt+Shift+F5");
  RowSelectionChanged(*m->context, m->window, 2);
  EditRowHotkey(*m->context, m->window, dialogs);

  // Shown for the row with a hotkey: its name and its first record.
  const HotkeyDialog& first = dialogs.HotkeyAsShown[0];
  EXPECT_EQ(first.TitleLabel.Caption, "Pinyin Display");
  EXPECT_TRUE(first.EnableBox.Checked && first.CtrlBox.Checked && first.ShiftBox.Checked && !first.AltBox.Checked);
  EXPECT_EQ(first.KeyChoice.Current, 2);
  EXPECT_TRUE(first.CtrlBox.Enabled && first.KeyChoice.Enabled && first.PlusLabel.Enabled);

  // Shown for the row without one: everything but the enable box cleared and off.
  const HotkeyDialog& shown = dialogs.HotkeyAsShown[1];
  EXPECT_EQ(shown.TitleLabel.Caption, "Chinese (Simplified) - US Keyboard");
  EXPECT_FALSE(shown.EnableBox.Checked);
  EXPECT_TRUE(shown.EnableBox.Enabled);
  for (const CheckBox* box : {&shown.CtrlBox, &shown.AltBox, &shown.ShiftBox, &shown.LeftBox, &shown.RightBox}) {
    EXPECT_FALSE(box->Checked || box->Enabled) << box->Caption;
  }
  EXPECT_EQ(shown.KeyChoice.Current, 0);
  EXPECT_FALSE(shown.KeyChoice.Enabled || shown.PlusLabel.Enabled);

  // Ticking the enable box enables them, with both side boxes ticked.
  for (const CheckBox* box : {&afterClick.CtrlBox, &afterClick.AltBox, &afterClick.ShiftBox}) {
    EXPECT_TRUE(box->Enabled && !box->Checked) << box->Caption;
  }
  EXPECT_TRUE(afterClick.LeftBox.Enabled && afterClick.LeftBox.Checked);
  EXPECT_TRUE(afterClick.RightBox.Enabled && afterClick.RightBox.Checked);
  EXPECT_TRUE(afterClick.KeyChoice.Enabled && afterClick.PlusLabel.Enabled);
  EXPECT_EQ(Labels(*m), (std::vector<std::string>{"", "Ctrl+Alt+Shift+F5", ""})) << "Cancel changes nothing";
}

TEST(HotkeyDialog, EditingARowsHotkeyChangesItsFirstRecord) {
  const struct {
    const char* Name;
    int Row;
    ScriptedDialogs::Script Script;
    std::vector<std::string> Labels;
    std::vector<std::string> Records;
    const char* Message;  // the message shown, if any
  } cases[] = {
      {"a new hotkey for a row without one", 2, Press({true, true, false, true, false, true, "F1"}),
       {"", "Ctrl+Shift+1", "Right Ctrl+Shift+F1"},
       {"0000C006 00000031 E0010804", "0000C005 00000032 E0010804", "00004006 00000070 00000804"}, nullptr},
      {"another hotkey: the first record changes", 1, Press({true, false, true, false, true, false, "F2"}),
       {"", "Left Alt+F2", ""}, {"00008001 00000071 E0010804", "0000C005 00000032 E0010804"}, nullptr},
      {"no hotkey: the first record goes", 1, Press({true, false, false, false, true, true, "F2"}),
       {"", "", ""}, {"0000C005 00000032 E0010804"}, nullptr},
      {"Cancel", 1, [](Context&, MainWindow& window) { HotkeyDialogCancel(window); }, {"", "Ctrl+Shift+1", ""},
       {"0000C006 00000031 E0010804", "0000C005 00000032 E0010804"}, nullptr},
      {"the frame's close box", 1, nullptr, {"", "Ctrl+Shift+1", ""},
       {"0000C006 00000031 E0010804", "0000C005 00000032 E0010804"}, nullptr},
      {"the hotkey of another row", 0, Press({true, true, false, true, true, true, "1"}), {"", "Ctrl+Shift+1", ""},
       {"0000C006 00000031 E0010804", "0000C005 00000032 E0010804"}, "Duplicate hotkey!"},
      {"the edited row's own hotkey", 1, Press({true, true, false, true, true, true, "1"}), {"", "Ctrl+Shift+1", ""},
       {"0000C006 00000031 E0010804", "0000C005 00000032 E0010804"}, nullptr},
      {"one side differs from either side", 0, Press({true, true, false, true, true, false, "1"}),
       {"Left Ctrl+Shift+1", "Ctrl+Shift+1", ""},
       {"0000C006 00000031 E0010804", "0000C005 00000032 E0010804", "00008006 00000031 00000409"}, nullptr},
      {"the hotkey of a toggle", 0, Press({true, false, false, true, true, true, "SPACE"}), {"", "Ctrl+Shift+1", ""},
       {"0000C006 00000031 E0010804", "0000C005 00000032 E0010804"}, "Duplicate hotkey!"},
  };
  for (const auto& c : cases) {
    auto m = testing::StartedMachine();
    // A second record for the Pinyin row: only the first is the one edited.
    m->window.Settings.ImeHotkeys.push_back({"0000C005", "00000032", "E0010804"});
    m->window.Settings.OtherToggles[1] = {"0000C004", "00000020"};  // Shift+SPACE
    ScriptedDialogs dialogs;
    if (c.Script) dialogs.Scripts = {c.Script};
    RowSelectionChanged(*m->context, m->window, c.Row);
    EditRowHotkey(*m->context, m->window, dialogs);
    EXPECT_EQ(Labels(*m), c.Labels) << c.Name;
    EXPECT_EQ(Records(*m), c.Records) << c.Name;
    ASSERT_EQ(m->windows.Dialogs.Shown.size(), c.Message ? 1u : 0u) << c.Name;
    if (c.Message) {
      const sim::ShownBox& box = m->windows.Dialogs.Shown[0];
      EXPECT_EQ(box.Text, c.Message);
      EXPECT_EQ(box.Title, "Fennick");
      EXPECT_EQ(box.Owner, platform::BoxOwner::ApplicationWindow);
      EXPECT_EQ(box.Style, platform::box::SetForeground);
    }
  }
}

TEST(HotkeyDialog, NoRowSelectedOpensNothing) {
  auto m = testing::StartedMachine();
  ScriptedDialogs dialogs;
  m->window.PreloadListView.Selected = -1;
  EditRowHotkey(*m->context, m->window, dialogs);
  EXPECT_TRUE(dialogs.Shown.empty());
}

TEST(HotkeyDialog, EditingAToggle) {
  const struct {
    const char* Name;
    int Slot;
    ScriptedDialogs::Script Script;
    std::array<std::string, 3> Labels;  // of the three toggles afterwards
    std::size_t Messages;
  } cases[] = {
      {"a new hotkey for an empty toggle", 0, Press({true, true, false, false, true, true, "F3"}),
       {"Ctrl+F3", "Shift+SPACE", "Right Alt+A"}, 0},
      {"the enable box cleared empties the toggle", 1, Press({false}), {"", "", "Right Alt+A"}, 0},
      {"a new hotkey replaces the old", 1, Press({true, true, false, false, false, true, "B"}),
       {"", "Right Ctrl+B", "Right Alt+A"}, 0},
      {"the toggle's own hotkey is a duplicate", 1, Press({true, false, false, true, true, true, "SPACE"}),
       {"", "Shift+SPACE", "Right Alt+A"}, 1},
      {"another toggle's hotkey", 1, Press({true, false, true, false, false, true, "A"}),
       {"", "Shift+SPACE", "Right Alt+A"}, 1},
      {"the selected row's hotkey", 2, Press({true, true, false, true, true, true, "1"}),
       {"", "Shift+SPACE", "Right Alt+A"}, 1},
      {"no key: nothing changes", 2, Press({true, true, false, false, true, true, "None"}),
       {"", "Shift+SPACE", "Right Alt+A"}, 0},
      {"Cancel", 2, [](Context&, MainWindow& window) { HotkeyDialogCancel(window); },
       {"", "Shift+SPACE", "Right Alt+A"}, 0},
  };
  for (const auto& c : cases) {
    auto m = testing::StartedMachine();
    m->window.Settings.OtherToggles[1] = {"0000C004", "00000020"};
    m->window.Settings.OtherToggles[2] = {"00004001", "00000041"};
    RowSelectionChanged(*m->context, m->window, 1);
    ItemChosen(*m->context, m->window, ControlId::ToggleCombo, c.Slot);
    ScriptedDialogs dialogs;
    dialogs.Scripts = {c.Script};
    EditOtherToggle(*m->context, m->window, dialogs);
    std::array<std::string, 3> labels;
    for (int slot = 0; slot < 3; ++slot) labels[slot] = ToggleLabel(m->window, slot);
    EXPECT_EQ(labels, c.Labels) << c.Name;
    EXPECT_EQ(m->window.ToggleHotkeyButton.Caption, c.Labels[c.Slot]) << c.Name;
    EXPECT_EQ(m->windows.Dialogs.Shown.size(), c.Messages) << c.Name;
    EXPECT_EQ(dialogs.HotkeyAsShown[0].TitleLabel.Caption, m->window.ToggleCombo.Items[c.Slot]) << c.Name;
    EXPECT_EQ(Labels(*m), (std::vector<std::string>{"", "Ctrl+Shift+1", ""})) << c.Name;
  }
  // An emptied toggle stores no values.
  auto m = testing::StartedMachine();
  m->window.Settings.OtherToggles[1] = {"0000C004", "00000020"};
  ItemChosen(*m->context, m->window, ControlId::ToggleCombo, 1);
  ScriptedDialogs dialogs;
  dialogs.Scripts = {Press({false})};
  EditOtherToggle(*m->context, m->window, dialogs);
  EXPECT_EQ(m->window.Settings.OtherToggles[1].Modifiers, "");
  EXPECT_EQ(m->window.Settings.OtherToggles[1].VirtualKey, "");
}

TEST(HotkeyDialog, AToggleWithoutAHotkeyOpensWithTheEnableBoxCleared) {
  auto m = testing::StartedMachine();
  m->window.Settings.OtherToggles[1] = {"0000C004", "00000020"};
  // A record of zeros, as Windows keeps an emptied toggle, shows no hotkey either.
  m->window.Settings.OtherToggles[2] = {"00000000", "00000000"};
  ScriptedDialogs dialogs;
  for (int slot : {1, 0, 1, 2}) {
    ItemChosen(*m->context, m->window, ControlId::ToggleCombo, slot);
    EditOtherToggle(*m->context, m->window, dialogs);
  }
  const std::vector<bool> expected = {true, false, true, false};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const HotkeyDialog& shown = dialogs.HotkeyAsShown[i];
    EXPECT_EQ(shown.EnableBox.Checked, expected[i]) << i;
    EXPECT_EQ(shown.CtrlBox.Enabled, expected[i]) << i;
  }
  EXPECT_TRUE(dialogs.HotkeyAsShown[0].ShiftBox.Checked);
  EXPECT_EQ(dialogs.HotkeyAsShown[0].KeyChoice.Items[dialogs.HotkeyAsShown[0].KeyChoice.Current], "SPACE");
}

}  // namespace
}  // namespace fennick
