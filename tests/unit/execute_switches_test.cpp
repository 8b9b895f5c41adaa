#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "cli/execute_switches.h"
#include "test_machine.h"

namespace fennick {
namespace {

using testing::TestMachine;
using Ids = std::vector<std::string>;

// Windows XP, Simplified Chinese (side texts "左 ", "右 "), the language bar running (text-services
// names). Preload: 00000804, E0010804 (hotkey Ctrl+Shift+1), E0020804.
// Available: 00000409, E0030804.
class SwitchTest : public ::testing::Test {
 protected:
  SwitchTest() { Fresh(); }

  // A new machine in the starting state, for each case of a table.
  void Fresh() {
    machine_ = std::make_unique<TestMachine>();
    TestMachine& m = *machine_;
    m.AddLayout({"00000409", "US", "", ""});
    m.AddLayout({"00000804", "Chinese (Simplified) - US Keyboard", "", ""});
    m.AddLayout({"E0010804", "Pinyin", "Pinyin Display", "PINYIN.IME"});
    m.AddLayout({"E0020804", "Zhengma", "Zhengma Display", "zhengma.ime"});
    m.AddLayout({"E0030804", "Wubi", "Wubi Display", "Wubi.Ime"});
    m.AddImeFile("PINYIN.IME", "Pinyin File");
    m.AddImeFile("zhengma.ime", "Zhengma File");
    m.AddImeFile("Wubi.Ime", "Wubi File");
    m.AddImeFile("new.ime", "New IME");
    m.SetPreload({"00000804", "E0010804", "E0020804"});
    m.PutHotkeyRecord(0x100, 0xC006, 0x31, 0xE0010804);
    m.windows.Processes.AddProcess("ctfmon.exe");
    m.Load();
  }
  TestMachine& M() { return *machine_; }
  Context& c() { return *M().context; }
  MainWindow& w() { return M().window; }
  WorkingSettings& s() { return M().window.Settings; }
  void Run(const Ids& items) {
    for (const std::string& item : items) RunSwitch(c(), w(), item);
  }
  std::string Label(std::size_t row) { return s().PreloadList[row].HotkeyLabel; }

  std::unique_ptr<TestMachine> machine_;
};

TEST_F(SwitchTest, TheFixtureStartsAsDescribed) {
  EXPECT_EQ(M().PreloadIds(), (Ids{"00000804", "E0010804", "E0020804"}));
  EXPECT_EQ(M().RowNames(), (Ids{"Chinese (Simplified) - US Keyboard", "Pinyin Display", "Zhengma Display"}));
  EXPECT_EQ(M().AvailableIds(), (Ids{"00000409", "E0030804"}));
  EXPECT_EQ(w().AvailableCombo.Items, (Ids{"US", "Wubi Display"}));
  EXPECT_EQ(s().ImeHotkeys.size(), 1u);
  EXPECT_EQ(s().IndicatorStyle, Indicator::TextServices);
}

TEST_F(SwitchTest, SettingsSwitches) {
  struct State {
    bool Enabled;
    Indicator Style;
    bool LayoutControls;
    int Caps;
    bool Status;
    bool LanguageOn;
    int LanguageChord;
    bool LayoutOn;
    int LayoutChord;
  };
  // What the load left: the two switching hotkeys off, Ctrl+Shift and Alt+Shift.
  const State start = {true, Indicator::TextServices, true, 0, false, false, chord::CtrlShift, false, chord::AltShift};
  auto with = [&start](auto change) {
    State state = start;
    change(state);
    return state;
  };
  const struct {
    Ids Items;
    State Expected;
  } cases[] = {
      {{"off"}, with([](State& x) { x.Enabled = false; })},
      {{"OFF ", " on"}, start},
      {{"off", "internat"},
       with([](State& x) { x.Style = Indicator::LegacyIndicator, x.LayoutControls = false; })},
      {{"off", "internat", "ctfmon"}, start},
      {{"shift"}, with([](State& x) { x.Caps = 1; })},
      {{"shift", "Caps"}, start},
      {{"shiftx"}, start},  // the whole item must be the word
      {{"status:1"}, with([](State& x) { x.Status = true; })},
      {{"status:1", "STATUS:10"}, start},  // the last character counts
      {{"status:1", "status:x"}, with([](State& x) { x.Status = true; })},
      {{"switch:3a"}, with([](State& x) { x.LanguageOn = true, x.LayoutOn = true; })},
      {{"switch:1b"},
       with([](State& x) { x.LanguageOn = true, x.LanguageChord = chord::AltShift, x.LayoutChord = chord::CtrlShift; })},
      {{"switch:3", "SWITCH:A"}, start},  // a letter first counts as mode 0
      {{"switch:2b", "switch:5"},
       with([](State& x) { x.LayoutOn = true, x.LanguageChord = chord::AltShift, x.LayoutChord = chord::CtrlShift; })},
      {{"switch:3", "switch:"}, start},  // no argument: mode 0, no letter
      {{"on x", "off:", "/off"}, start},
  };
  for (const auto& c : cases) {
    Fresh();
    Run(c.Items);
    const State& e = c.Expected;
    std::string items = ::testing::PrintToString(c.Items);
    EXPECT_EQ(s().IndicatorEnabled, e.Enabled) << items;
    EXPECT_EQ(s().IndicatorStyle, e.Style) << items;
    EXPECT_EQ(w().LayoutSwitchCheck.Enabled, e.LayoutControls) << items;
    EXPECT_EQ(w().LayoutChordCombo.Enabled, e.LayoutControls) << items;
    EXPECT_EQ(s().CapsRelease, e.Caps) << items;
    EXPECT_EQ(s().ShowStatusWindow, e.Status) << items;
    EXPECT_EQ(s().LanguageSwitchOn, e.LanguageOn) << items;
    EXPECT_EQ(s().LanguageChord, e.LanguageChord) << items;
    EXPECT_EQ(s().LayoutSwitchOn, e.LayoutOn) << items;
    EXPECT_EQ(s().LayoutChord, e.LayoutChord) << items;
    // Choosing a style renames nothing: only a reload does.
    EXPECT_EQ(s().ShownIndicatorStyle, Indicator::TextServices) << items;
  }
}

TEST_F(SwitchTest, ListSwitchesFindTheirEntry) {
  const struct {
    Ids Items;
    Ids Preload;
    Ids Available;
  } cases[] = {
      // Removing by position, name, IME file and LayoutId.
      {{"del1:2", "del1:2"}, {"00000804"}, {"00000409", "E0030804", "E0010804", "E0020804"}},
      {{"del1:0", "del1:x", "del1:4", "del1: 2", "del1:-1"}, {"00000804", "E0010804", "E0020804"}, {}},
      {{"del2:Pinyin Display"}, {"00000804", "E0020804"}, {"00000409", "E0030804", "E0010804"}},
      {{"del2:pinyin display", "del2:Pinyin Display ,"}, {"00000804", "E0010804", "E0020804"}, {}},
      {{"del3:pinyin.ime"}, {"00000804", "E0020804"}, {}},
      {{"DEL3:ZHENGMA.IME"}, {"00000804", "E0010804"}, {}},
      {{"del3:Zhengma File", "del3:C:\\WINDOWS\\system32\\zhengma.ime"}, {"00000804", "E0010804", "E0020804"}, {}},
      {{"del4:e0020804"}, {"00000804", "E0010804"}, {}},
      // Adding by the combo's text, IME file and LayoutId.
      {{"add1:Wubi Display"}, {"00000804", "E0010804", "E0020804", "E0030804"}, {"00000409"}},
      {{"add1:wubi display", "add1:Wubi"}, {"00000804", "E0010804", "E0020804"}, {"00000409", "E0030804"}},
      {{"add2:WUBI.IME"}, {"00000804", "E0010804", "E0020804", "E0030804"}, {"00000409"}},
      {{"ADD3:e0030804", "add3:00000409"}, {"00000804", "E0010804", "E0020804", "E0030804", "00000409"}, {}},
      {{"add3:E0010804", "add4:E0030804", "add3", "add3E0030804"}, {"00000804", "E0010804", "E0020804"}, {}},
      // Moving: clamped positions, names exact, files and ids in any case.
      {{"move1:Zhengma Display,1"}, {"E0020804", "00000804", "E0010804"}, {}},
      {{"move1:Chinese (Simplified) - US Keyboard,9"}, {"E0010804", "E0020804", "00000804"}, {}},
      {{"move1:Zhengma Display,0"}, {"E0020804", "00000804", "E0010804"}, {}},
      {{"move1:Zhengma Display,-3"}, {"E0020804", "00000804", "E0010804"}, {}},
      {{"move1:zhengma display,1", "move1:Zhengma Display", "move1:Zhengma Display,1,2"},
       {"00000804", "E0010804", "E0020804"}, {}},
      {{"move2:ZHENGMA.IME,1"}, {"E0020804", "00000804", "E0010804"}, {}},
      {{"Move2:Pinyin.Ime,3"}, {"00000804", "E0020804", "E0010804"}, {}},
      {{"move3:E0020804,2"}, {"00000804", "E0020804", "E0010804"}, {}},
      // Each switch sees what the earlier ones left.
      {{"add3:E0030804", "move3:e0030804,1", "del1:2"}, {"E0030804", "E0010804", "E0020804"}, {"00000409", "00000804"}},
  };
  for (const auto& c : cases) {
    Fresh();
    Run(c.Items);
    std::string items = ::testing::PrintToString(c.Items);
    EXPECT_EQ(M().PreloadIds(), c.Preload) << items;
    if (!c.Available.empty()) {
      EXPECT_EQ(M().AvailableIds(), c.Available) << items;
    }
    EXPECT_EQ(M().RowNames().size(), c.Preload.size()) << items;
  }
}

TEST_F(SwitchTest, RemovingAnEntryDropsItsHotkeyAndMovingKeepsIt) {
  Run({"move2:pinyin.ime,3"});
  EXPECT_EQ(Label(2), "Ctrl+Shift+1");
  EXPECT_EQ(w().PreloadListView.Selected, 2);
  Run({"del4:E0010804"});
  EXPECT_TRUE(s().ImeHotkeys.empty());
}

TEST_F(SwitchTest, AddedEntriesGetTheHotkeyTheSwitchNames) {
  const struct {
    std::string Item;
    ImeHotkey Record;  // empty texts: none attached
    std::string Label;
  } cases[] = {
      {"add3:E0030804,ctrl+shift_1", {"0000C006", "00000031", "E0030804"}, "CTRL+SHIFT+1"},
      {"add3:E0030804,Ctrl+Shift_8_Left", {"00008006", "00000038", "E0030804"}, "左 CTRL+SHIFT+8"},
      {"add3:E0030804,alt+shift_?_right", {"00004005", "000000BF", "E0030804"}, "右 ALT+SHIFT+?"},
      {"add3:E0030804,ctrl_~", {"0000C002", "000000BC", "E0030804"}, "CTRL+~"},
      {"add1:Wubi Display,alt_del", {"0000C001", "0000002E", "E0030804"}, "ALT+DEL"},
      // One piece is no hotkey; three pieces after the comma split are no pair.
      {"add3:E0030804,ctrl+space", {}, ""},
      {"add3:E0030804,ctrl+shift_1,x", {}, ""},
      // Words without a code attach nothing.
      {"add3:E0030804,win_1", {}, ""},
      {"add3:E0030804,ctrl_nokey", {}, ""},
      {"add3:E0030804,ctrl_1_middle", {}, ""},
  };
  for (const auto& c : cases) {
    Fresh();
    Run({c.Item});
    ASSERT_EQ(M().PreloadIds().back(), "E0030804") << c.Item;
    EXPECT_EQ(Label(3), c.Label) << c.Item;
    const std::size_t records = c.Record.Modifiers.empty() ? 1 : 2;
    ASSERT_EQ(s().ImeHotkeys.size(), records) << c.Item;
    if (records == 2) {
      const ImeHotkey& added = s().ImeHotkeys.back();
      EXPECT_EQ(added.Modifiers, c.Record.Modifiers) << c.Item;
      EXPECT_EQ(added.VirtualKey, c.Record.VirtualKey) << c.Item;
      EXPECT_EQ(added.TargetLayoutId, c.Record.TargetLayoutId) << c.Item;
    }
  }
  // No entry found: nothing added, no hotkey.
  M().Reset();
  M().Load();
  Run({"add3:E0990804,ctrl+shift_2"});
  EXPECT_EQ(M().PreloadIds().size(), 3u);
  EXPECT_EQ(s().ImeHotkeys.size(), 1u);
}

TEST_F(SwitchTest, AttachingNeedsNoFreeHotkey) {
  Run({"add3:E0030804,ctrl+shift_1"});  // E0010804's hotkey
  ASSERT_EQ(s().ImeHotkeys.size(), 2u);
  EXPECT_EQ(s().ImeHotkeys[1].Modifiers + s().ImeHotkeys[1].VirtualKey,
            s().ImeHotkeys[0].Modifiers + s().ImeHotkeys[0].VirtualKey);
}

TEST_F(SwitchTest, HotkeySwitchSetsAnEntryOrAToggle) {
  struct Toggles {
    ToggleSlot A, B, C;
  };
  const struct {
    std::string Item;
    std::string ThirdLabel;   // of the third entry, which has no hotkey yet
    std::string ThirdRecord;  // its record's Modifiers + VirtualKey; empty: none
    Toggles Expected;
  } cases[] = {
      {"hotkey:2,ctrl+shift_8_left", "", "", {}},  // the second entry instead
      {"hotkey:3,ctrl+shift_8_left", "左 CTRL+SHIFT+8", "0000800600000038", {}},
      {"hotkey:3,alt_~", "ALT+~", "0000C001000000BC", {}},
      {"hotkey:3,ctrl+shift_1", "", "", {}},  // the second entry's hotkey
      {"hotkey:9,alt_1", "", "", {}},
      {"hotkey:0,alt_1", "", "", {}},
      {"hotkey:-1,alt_1", "", "", {}},
      {"hotkey:d,alt_1", "", "", {}},
      {"hotkey:3", "", "", {}},
      {"hotkey:3,win_1", "", "", {}},
      {"hotkey:3,alt_1,x", "", "", {}},
      {"hotkey:a,ctrl_space", "", "", {{"0000C002", "00000020"}, {}, {}}},
      {"HOTKEY:b,shift_space_left", "", "", {{}, {"00008004", "00000020"}, {}}},
      {"hotkey:C,ctrl_.", "", "", {{}, {}, {"0000C002", "000000BE"}}},
  };
  for (const auto& c : cases) {
    Fresh();
    Run({c.Item});
    EXPECT_EQ(Label(2), c.ThirdLabel) << c.Item;
    std::string record;
    for (const ImeHotkey& r : s().ImeHotkeys) {
      if (r.TargetLayoutId == "E0020804") record = r.Modifiers + r.VirtualKey;
    }
    EXPECT_EQ(record, c.ThirdRecord) << c.Item;
    const ToggleSlot* expected[] = {&c.Expected.A, &c.Expected.B, &c.Expected.C};
    for (int slot = 0; slot < 3; ++slot) {
      EXPECT_EQ(s().OtherToggles[slot].Modifiers, expected[slot]->Modifiers) << c.Item << " slot " << slot;
      EXPECT_EQ(s().OtherToggles[slot].VirtualKey, expected[slot]->VirtualKey) << c.Item << " slot " << slot;
    }
  }
}

TEST_F(SwitchTest, HotkeySwitchOverwritesAnEntrysRecordAndRespectsToggles) {
  Run({"hotkey:2,alt_1"});
  EXPECT_EQ(Label(1), "ALT+1");
  ASSERT_EQ(s().ImeHotkeys.size(), 1u);
  EXPECT_EQ(s().ImeHotkeys[0].Modifiers + s().ImeHotkeys[0].VirtualKey, "0000C00100000031");

  Run({"hotkey:a,ctrl_space", "hotkey:1,ctrl_space"});  // a toggle owns it now
  EXPECT_EQ(Label(0), "");
}

TEST_F(SwitchTest, UninstallDeletesOnlyAvailableImes) {
  const struct {
    Ids Items;
    Ids Deleted;  // catalog keys gone
    Ids Available;
  } cases[] = {
      {{"uninstall1:Wubi Display"}, {"E0030804"}, {"00000409"}},
      {{"uninstall1:wubi display"}, {}, {"00000409", "E0030804"}},
      {{"uninstall1:Pinyin Display"}, {}, {"00000409", "E0030804"}},  // still preloaded
      {{"del2:Pinyin Display", "uninstall1:Pinyin Display"}, {"E0010804"}, {"00000409", "E0030804"}},
      {{"uninstall1:US"}, {}, {"00000409", "E0030804"}},  // not an IME
      {{"UNINSTALL2:wubi.ime"}, {"E0030804"}, {"00000409"}},
      {{"uninstall2:"}, {}, {"00000409", "E0030804"}},  // 00000409 has no IME file
      {{"uninstall3:e0030804"}, {"E0030804"}, {"00000409"}},
      {{"uninstall3:00000409", "uninstall3:0e030804", "uninstall3:E0990804", "uninstall3:"},
       {},
       {"00000409", "E0030804"}},
  };
  for (const auto& c : cases) {
    Fresh();
    w().AvailableCombo.Current = 1;
    Run(c.Items);
    std::string items = ::testing::PrintToString(c.Items);
    for (const char* id : {"00000409", "00000804", "E0010804", "E0020804", "E0030804"}) {
      bool deleted = std::find(c.Deleted.begin(), c.Deleted.end(), id) != c.Deleted.end();
      EXPECT_EQ(M().HasCatalogKey(id), !deleted) << items << " " << id;
    }
    EXPECT_EQ(M().AvailableIds(), c.Available) << items;
    EXPECT_EQ(w().AvailableCombo.Items.size(), c.Available.size()) << items;
    if (!c.Deleted.empty()) {
      EXPECT_EQ(w().AvailableCombo.Current, 0) << items;
    }
  }
}

// An IME whose file has no description shows an empty name; a script whose
// name variable came out empty must not delete it.
TEST_F(SwitchTest, UninstallByAnEmptyNameDeletesNothing) {
  M().AddLayout({"E0040804", "", "", "plain.ime"});
  M().AddImeFile("plain.ime", "");
  M().Load();
  ASSERT_EQ(w().AvailableCombo.Items, (Ids{"US", "Wubi Display", ""}));
  Run({"uninstall1:"});
  EXPECT_TRUE(M().HasCatalogKey("E0040804"));
  EXPECT_EQ(M().AvailableIds(), (Ids{"00000409", "E0030804", "E0040804"}));
}

TEST_F(SwitchTest, UninstallByIdSkipsAnEntryWhoseKeyIsGone) {
  M().windows.Registry.RemoveTree(schema::HKLM, schema::CatalogKey("E0030804"));
  Run({"uninstall3:E0030804"});
  EXPECT_EQ(M().AvailableIds(), (Ids{"00000409", "E0030804"}));
}

TEST_F(SwitchTest, AFailedUninstallStillLeavesTheList) {
  M().windows.Registry.DenyWrites(schema::HKLM, true);
  Run({"uninstall3:E0030804"});
  EXPECT_TRUE(M().HasCatalogKey("E0030804"));
  EXPECT_EQ(M().AvailableIds(), (Ids{"00000409"}));
}

// Install: Wine's input method manager by default (the new IME is not put
// into the preload list); AddsToPreload plays Windows.
class InstallSwitchTest : public SwitchTest {
 protected:
  std::string NewKey() { return schema::CatalogKey("E0040804"); }
  std::string CatalogValue(const char* name) {
    return M().windows.Registry.PeekString(schema::HKLM, NewKey(), name).value_or("(none)");
  }
};

TEST_F(InstallSwitchTest, ArgumentFormsFillTheInstallFields) {
  const std::string system = "C:\\WINDOWS\\system32\\";
  const struct {
    std::string Item;
    std::string Name;  // InstallNameEdit afterwards
    std::string File;  // InstallFileEdit afterwards
  } cases[] = {
      {"install:new.ime", "New IME", system + "new.ime"},
      {"install:Name,new.ime", "Name", system + "new.ime"},
      {"install:new.ime,ctrl+shift_2", "New IME", system + "new.ime"},
      {"install:Name,NEW.IME,ctrl+shift_2", "Name", system + "NEW.IME"},
      {"install:Name,new.ime,", "Name", system + "new.ime"},
      {"install:missing.ime", "", system + "missing.ime"},
      // Two files, or no file: the fields keep their texts.
      {"install:new.ime,other.ime", "kept", "kept.ime"},
      {"install:Name,new", "kept", "kept.ime"},
      {"install:a,b,c,d", "kept", "kept.ime"},
  };
  for (const auto& c : cases) {
    Fresh();
    w().InstallNameEdit.Text = "kept";
    w().InstallFileEdit.Text = "kept.ime";
    Run({c.Item});
    EXPECT_EQ(w().InstallNameEdit.Text, c.Name) << c.Item;
    EXPECT_EQ(w().InstallFileEdit.Text, c.File) << c.Item;
    // Every form installs what the fields name.
    ASSERT_EQ(M().windows.InputMethods.Installed.size(), 1u) << c.Item;
    EXPECT_EQ(CatalogValue(schema::kImeFileValue), c.File) << c.Item;
  }
}

TEST_F(InstallSwitchTest, TheNewEntryIsNamedAndOfferedAfterTheReload) {
  Run({"install:Name,new.ime", "add3:E0040804"});
  EXPECT_EQ(CatalogValue(schema::kImeFileValue), "C:\\WINDOWS\\system32\\new.ime");
  EXPECT_EQ(CatalogValue(schema::kLayoutTextValue), "Name");
  EXPECT_EQ(CatalogValue(schema::kLayoutDisplayNameValue), "Name");
  EXPECT_EQ(M().PreloadIds(), (Ids{"00000804", "E0010804", "E0020804", "E0040804"}));
  EXPECT_EQ(M().RowNames().back(), "Name");
}

TEST_F(InstallSwitchTest, InstallAppliesTheEarlierSwitchesFirst) {
  Run({"shift", "del1:1"});
  M().windows.InputMethods.AddsToPreload = true;
  Run({"install:new.ime"});
  // Written before the install: the Windows-like system appended the IME to
  // the list the apply had just written.
  EXPECT_EQ(M().PreloadValues(), (std::vector<std::pair<std::string, std::string>>{
                                   {"1", "E0010804"}, {"2", "E0020804"}, {"3", "E0040804"}}));
  EXPECT_EQ(M().windows.Registry.Peek(schema::HKCU, schema::kKeyboardLayoutKey, schema::kAttributesValue)->Data,
            TestMachine::Bytes(0x10000));
  // The reload shows it.
  EXPECT_EQ(M().PreloadIds(), (Ids{"E0010804", "E0020804", "E0040804"}));
  EXPECT_EQ(s().CapsRelease, 1);
}

TEST_F(InstallSwitchTest, TheHotkeyGoesToTheInstalledEntryOnly) {
  const struct {
    bool AddsToPreload;
    bool Fails;
    std::string Label;  // of the last entry afterwards
    std::size_t Records;
  } cases[] = {
      {true, false, "CTRL+SHIFT+2", 2},
      {false, false, "", 1},  // Wine: the IME is not in the list
      {true, true, "", 1},    // nothing installed: the last entry is another one
  };
  for (const auto& c : cases) {
    Fresh();
    M().windows.InputMethods.AddsToPreload = c.AddsToPreload;
    M().windows.Log.FailWhen = [&c](const std::string& call) { return c.Fails && call.rfind("ImmInstallIME", 0) == 0; };
    Run({"install:new.ime,ctrl+shift_2"});
    EXPECT_EQ(Label(s().PreloadList.size() - 1), c.Label) << c.AddsToPreload << c.Fails;
    EXPECT_EQ(s().ImeHotkeys.size(), c.Records) << c.AddsToPreload << c.Fails;
    if (c.Records == 2) {
      EXPECT_EQ(s().ImeHotkeys.back().TargetLayoutId, "E0040804");
    }
    M().windows.Log.FailWhen = nullptr;
  }
}

TEST_F(SwitchTest, ExecutionAppliesOnceAtTheEndAndRequestsTheClose) {
  M().windows.Registry.PutString(schema::HKCU, schema::kPreloadKey, "7", "00000409");  // past the list: dropped
  w().SwitchList = {"on ", "del1:1", "add3:E0030804,ctrl+shift_2", "move3:E0030804,2", "hotkey:1,alt_1", "bogus"};
  ExecuteSwitches(c(), w());
  EXPECT_TRUE(w().CloseRequested);
  EXPECT_EQ(M().PreloadValues(), (std::vector<std::pair<std::string, std::string>>{
                                   {"1", "E0010804"}, {"2", "E0030804"}, {"3", "E0020804"}}));
  // Records in list order of ImeHotkeys: E0010804's overwritten one, then E0030804's.
  const struct {
    std::uint32_t Number;
    std::uint32_t Modifiers, Key, Target;
  } records[] = {{0x100, 0xC001, 0x31, 0xE0010804}, {0x101, 0xC006, 0x32, 0xE0030804}};
  for (const auto& r : records) {
    const std::string path = schema::HotKeyRecordKey(r.Number);
    EXPECT_EQ(M().windows.Registry.Peek(schema::HKCU, path, schema::kKeyModifiersValue)->Data, TestMachine::Bytes(r.Modifiers));
    EXPECT_EQ(M().windows.Registry.Peek(schema::HKCU, path, schema::kVirtualKeyValue)->Data, TestMachine::Bytes(r.Key));
    EXPECT_EQ(M().windows.Registry.Peek(schema::HKCU, path, schema::kTargetImeValue)->Data, TestMachine::Bytes(r.Target));
  }
  EXPECT_FALSE(M().windows.Registry.HasKey(schema::HKCU, schema::HotKeyRecordKey(0x102)));
  // The record shows the registry again: labels as the load writes them.
  EXPECT_EQ(Label(0), "Alt+1");
  EXPECT_TRUE(M().windows.Dialogs.Shown.empty());
}

}  // namespace
}  // namespace fennick
