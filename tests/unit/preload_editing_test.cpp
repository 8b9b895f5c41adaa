#include <gtest/gtest.h>

#include "settings/preload_editing.h"
#include "test_machine.h"

namespace fennick {
namespace {

using testing::TestMachine;
using Ids = std::vector<std::string>;

// Text services, three preload entries (one with a hotkey), two available.
class EditingTest : public ::testing::Test {
 protected:
  EditingTest() {
    m.AddLayout({"00000409", "US", "", ""});
    m.AddLayout({"00000804", "Chinese (Simplified) - US Keyboard", "", ""});
    m.AddLayout({"E0010804", "Pinyin", "Microsoft Pinyin", "PINYIN.IME"});
    m.AddLayout({"E0020804", "Zhengma", "", "ZHENGMA.IME"});
    m.AddLayout({"E0030804", "Wubi", "", "WUBI.IME"});
    for (const char* file : {"PINYIN.IME", "ZHENGMA.IME", "WUBI.IME"}) m.AddImeFile(file, file);
    m.SetPreload({"00000804", "E0010804", "E0020804"});
    m.windows.Processes.AddProcess("ctfmon.exe");
    m.windows.Keyboard.Loaded = {0x08040804, 0xE0010804, 0xE0020804};
    const std::string record = schema::HotKeyRecordKey(0x100);
    m.windows.Registry.PutBytes(schema::HKCU, record, "Key Modifiers", {0x06, 0xC0, 0, 0});
    m.windows.Registry.PutBytes(schema::HKCU, record, "Virtual Key", {0x31, 0, 0, 0});
    m.windows.Registry.PutBytes(schema::HKCU, record, "Target IME", {0x04, 0x08, 0x01, 0xE0});
    m.Load();
  }
  Context& c() { return *m.context; }
  MainWindow& w() { return m.window; }
  void Select(int row) { w().PreloadListView.Selected = row; }
  void Choose(int item) { w().AvailableCombo.Current = item; }

  TestMachine m;
};

TEST_F(EditingTest, AddingMovesTheCurrentItemToTheEndOfThePreloadList) {
  ASSERT_EQ(m.AvailableIds(), (Ids{"00000409", "E0030804"}));
  Choose(1);
  AddEntry(c(), w());
  EXPECT_EQ(m.PreloadIds(), (Ids{"00000804", "E0010804", "E0020804", "E0030804"}));
  EXPECT_EQ(m.RowNames().back(), "WUBI.IME");
  EXPECT_EQ(w().Settings.PreloadList.back().NewDisplayName, "");
  EXPECT_EQ(m.AvailableIds(), (Ids{"00000409"}));
  EXPECT_EQ(w().AvailableCombo.Current, 0);
  EXPECT_TRUE(w().AddButton.Enabled);
  EXPECT_EQ(w().RowImages.size(), 4u);
  EXPECT_EQ(w().Focus, ControlId::PreloadListView);

  AddEntry(c(), w());  // the last available entry
  EXPECT_TRUE(w().AvailableCombo.Items.empty());
  EXPECT_EQ(w().AvailableCombo.Current, -1);
  EXPECT_FALSE(w().AddButton.Enabled);
  AddEntry(c(), w());  // nothing current: nothing happens
  EXPECT_EQ(m.PreloadIds().size(), 5u);

  Select(0);
  RemoveEntry(c(), w());
  EXPECT_TRUE(w().AddButton.Enabled);
}

TEST_F(EditingTest, TheDeleteButtonFollowsTheNumberOfEntries) {
  Select(0);
  RemoveEntry(c(), w());  // three entries before
  EXPECT_TRUE(w().DeleteButton.Enabled);
  RemoveEntry(c(), w());  // two before: one is left
  EXPECT_FALSE(w().DeleteButton.Enabled);
  EXPECT_EQ(m.PreloadIds(), (Ids{"E0020804"}));
  Choose(0);
  AddEntry(c(), w());
  EXPECT_TRUE(w().DeleteButton.Enabled);
}

TEST_F(EditingTest, RemovingHandsTheEntryBackAndDropsOneOfItsHotkeys) {
  Select(1);
  RemoveEntry(c(), w());
  EXPECT_EQ(m.PreloadIds(), (Ids{"00000804", "E0020804"}));
  EXPECT_EQ(m.AvailableIds(), (Ids{"00000409", "E0030804", "E0010804"}));
  EXPECT_EQ(w().AvailableCombo.Items.back(), "Microsoft Pinyin");
  EXPECT_TRUE(w().Settings.ImeHotkeys.empty());
  EXPECT_EQ(w().PreloadListView.Selected, 1);  // the row that took its place
  EXPECT_EQ(w().Settings.PreloadList[1].LayoutId, "E0020804");
  EXPECT_FALSE(w().DownButton.Enabled);
}

TEST_F(EditingTest, RemovingTheLastRowSelectsTheNewLastAndRowZeroTheNewFirst) {
  Select(2);
  RemoveEntry(c(), w());
  EXPECT_EQ(w().PreloadListView.Selected, 1);
  Select(0);
  RemoveEntry(c(), w());
  EXPECT_EQ(w().PreloadListView.Selected, 0);
  EXPECT_EQ(m.PreloadIds(), (Ids{"E0010804"}));
  EXPECT_FALSE(w().UpButton.Enabled);
  EXPECT_FALSE(w().DownButton.Enabled);
  RemoveEntry(c(), w());
  EXPECT_TRUE(m.PreloadIds().empty());
  EXPECT_EQ(w().PreloadListView.Selected, -1);
  RemoveEntry(c(), w());  // nothing selected: nothing happens
  EXPECT_EQ(m.AvailableIds().size(), 5u);
}

TEST_F(EditingTest, MovingSwapsEntriesRowsAndHandleSlots) {
  Select(0);
  MoveEntryUp(c(), w());  // the first entry cannot go up
  EXPECT_EQ(m.PreloadIds(), (Ids{"00000804", "E0010804", "E0020804"}));
  MoveEntryDown(c(), w());
  EXPECT_EQ(m.PreloadIds(), (Ids{"E0010804", "00000804", "E0020804"}));
  EXPECT_EQ(m.RowNames(), (Ids{"Microsoft Pinyin", "Chinese (Simplified) - US Keyboard", "Zhengma"}));
  EXPECT_EQ(w().Settings.LayoutHandles[0], 0xE0010804u);
  EXPECT_EQ(w().Settings.LayoutHandles[1], 0x08040804u);
  EXPECT_EQ(w().PreloadListView.Selected, 1);
  MoveEntryDown(c(), w());
  MoveEntryDown(c(), w());  // the last entry cannot go down
  EXPECT_EQ(m.PreloadIds(), (Ids{"E0010804", "E0020804", "00000804"}));
  EXPECT_EQ(w().PreloadListView.Selected, 2);
  EXPECT_FALSE(w().DownButton.Enabled);
  MoveEntryUp(c(), w());
  EXPECT_EQ(m.PreloadIds(), (Ids{"E0010804", "00000804", "E0020804"}));
  EXPECT_EQ(w().Settings.LayoutHandles[2], 0xE0020804u);
}

TEST_F(EditingTest, HandleSlotsMoveUpOnRemovalAndStayOnAddition) {
  auto& slots = w().Settings.LayoutHandles;
  for (std::uint32_t i = 0; i < slots.size(); ++i) slots[i] = 0x100 + i;
  Select(1);
  RemoveEntry(c(), w());
  EXPECT_EQ(slots[0], 0x100u);
  EXPECT_EQ(slots[1], 0x102u);
  EXPECT_EQ(slots[29], 0x100u + 30);
  EXPECT_EQ(slots[30], 0x100u + 30);  // the last slot keeps its value
  auto before = slots;
  Choose(0);
  AddEntry(c(), w());
  EXPECT_EQ(slots, before);
}

TEST_F(EditingTest, RenamingTakesOnlyAnImeUnderTextServices) {
  struct Case {
    std::size_t row;
    std::optional<std::string> text;
    bool accepted;
  } cases[] = {
      {1, std::string(" My Pinyin "), true},  // kept as typed
      {0, std::string("My US"), false},       // a plain layout
      {2, std::nullopt, false},               // cancelled
      {2, std::string(" \t "), false},        // blank
  };
  for (const Case& c : cases) {
    std::string before = w().PreloadListView.Rows[c.row].Name;
    EXPECT_EQ(RenameEntry(w(), c.row, c.text), c.accepted) << c.row;
    const std::string expected = c.accepted ? *c.text : before;
    EXPECT_EQ(w().PreloadListView.Rows[c.row].Name, expected);
    EXPECT_EQ(w().Settings.PreloadList[c.row].NewDisplayName, c.accepted ? *c.text : "");
  }
  w().Settings.IndicatorStyle = Indicator::LegacyIndicator;
  EXPECT_FALSE(RenameEntry(w(), 2, std::string("Other")));
  EXPECT_EQ(w().Settings.PreloadList[2].NewDisplayName, "");
}

TEST_F(EditingTest, ARenamedEntryRemovedAndAddedBackKeepsItsName) {
  RenameEntry(w(), 2, std::string("My Zhengma"));
  Select(2);
  RemoveEntry(c(), w());
  EXPECT_EQ(w().AvailableCombo.Items.back(), "My Zhengma");
  Choose(static_cast<int>(w().AvailableCombo.Items.size()) - 1);
  AddEntry(c(), w());
  EXPECT_EQ(w().Settings.PreloadList.back().LayoutId, "E0020804");
  EXPECT_EQ(w().Settings.PreloadList.back().NewDisplayName, "My Zhengma");
  EXPECT_EQ(m.RowNames().back(), "My Zhengma");
}

}  // namespace
}  // namespace fennick
