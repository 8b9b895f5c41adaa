#include <gtest/gtest.h>

#include "common/text.h"
#include "hotkeys/ime_hotkeys.h"
#include "platform/sim/sim_windows.h"
#include "registry/schema.h"

namespace fennick {
namespace {

using platform::RegRoot;
using platform::RegType;
using Bytes = std::vector<std::uint8_t>;

std::string RecordKey(std::uint32_t number) { return schema::HotKeyRecordKey(number); }

Bytes Le(std::uint32_t number) {
  return {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
          static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)};
}

PreloadEntry Entry(const std::string& layoutId) { return PreloadEntry{layoutId, layoutId, layoutId, "", ""}; }

class ImeHotkeysTest : public ::testing::Test {
 protected:
  void PutRecord(std::uint32_t number, std::uint32_t modifiers, std::uint32_t virtualKey, std::uint32_t target) {
    windows_.Registry.PutBytes(RegRoot::CurrentUser, RecordKey(number), "Key Modifiers", Le(modifiers));
    windows_.Registry.PutBytes(RegRoot::CurrentUser, RecordKey(number), "Virtual Key", Le(virtualKey));
    windows_.Registry.PutBytes(RegRoot::CurrentUser, RecordKey(number), "Target IME", Le(target));
  }
  std::optional<platform::RegValue> Value(std::uint32_t number, const char* name) {
    return windows_.Registry.Peek(RegRoot::CurrentUser, RecordKey(number), name);
  }
  bool HasRecord(std::uint32_t number) { return windows_.Registry.HasKey(RegRoot::CurrentUser, RecordKey(number)); }
  void Preload(std::initializer_list<const char*> ids) {
    window_.Settings.PreloadList.clear();
    for (const char* id : ids) window_.Settings.PreloadList.push_back(Entry(id));
  }

  sim::SimWindows windows_;
  Context context_{windows_.Platform()};
  MainWindow window_;
};

TEST(TargetHandle, PlainLayoutsRepeatTheirLanguageAndImesAreTheirOwnNumber) {
  struct Case {
    const char* layoutId;
    std::uint32_t handle;
  } cases[] = {{"00000409", 0x04090409}, {"00000804", 0x08040804}, {"E0010804", 0xE0010804}, {"00010409", 0x00010409}};
  for (const Case& c : cases) {
    EXPECT_EQ(TargetHandleOf(c.layoutId), c.handle) << c.layoutId;
    EXPECT_EQ(LayoutIdOfHandle(c.handle), c.layoutId) << c.layoutId;
  }
  EXPECT_EQ(LayoutIdOfHandle(0), "00000000");
  EXPECT_EQ(LayoutIdOfHandle(0x04090804), "04090804");
}

TEST_F(ImeHotkeysTest, RecordsAreWrittenFrom0x100AsFourLittleEndianBytes) {
  window_.Settings.ImeHotkeys = {{"0000C006", "00000020", "00000804"}, {"00008006", "00000038", "E0010804"}};
  WriteImeHotkeys(context_, window_.Settings);
  struct Expect {
    std::uint32_t number;
    const char* name;
    Bytes bytes;
  } expected[] = {
      {0x100, "Key Modifiers", {0x06, 0xC0, 0x00, 0x00}}, {0x100, "Virtual Key", {0x20, 0x00, 0x00, 0x00}},
      {0x100, "Target IME", {0x04, 0x08, 0x04, 0x08}},    {0x101, "Key Modifiers", {0x06, 0x80, 0x00, 0x00}},
      {0x101, "Virtual Key", {0x38, 0x00, 0x00, 0x00}},   {0x101, "Target IME", {0x04, 0x08, 0x01, 0xE0}},
  };
  for (const Expect& e : expected) {
    auto value = Value(e.number, e.name);
    ASSERT_TRUE(value) << e.name;
    EXPECT_EQ(value->Type, RegType::Binary);
    EXPECT_EQ(value->Data, e.bytes) << std::hex << e.number << " " << e.name;
  }
  EXPECT_FALSE(HasRecord(0x102));
  EXPECT_TRUE(windows_.Registry.HasKey(RegRoot::CurrentUser, "Control Panel\\Input Method\\Hot Keys\\00000100"));
}

TEST_F(ImeHotkeysTest, ReadingLooksAt0x100To0x163AndWritingClearsUpTo0x1C8) {
  Preload({"00000804", "E0010804"});
  for (std::uint32_t number : {0x100u, 0x163u, 0x164u, 0x1C8u, 0x1C9u}) PutRecord(number, 0xC002, 0x20 + (number & 0xF), 0xE0010804);
  PutRecord(0x120, 0xC006, 0x31, 0x04090409);  // targets a layout that is not preloaded

  ReadImeHotkeys(context_, window_);
  ASSERT_EQ(window_.Settings.ImeHotkeys.size(), 2u);
  EXPECT_EQ(window_.Settings.ImeHotkeys[0].VirtualKey, "00000020");
  EXPECT_EQ(window_.Settings.ImeHotkeys[1].VirtualKey, "00000023");

  WriteImeHotkeys(context_, window_.Settings);
  EXPECT_TRUE(HasRecord(0x100));
  EXPECT_TRUE(HasRecord(0x101));
  for (std::uint32_t number : {0x102u, 0x120u, 0x163u, 0x164u, 0x1C8u}) EXPECT_FALSE(HasRecord(number)) << std::hex << number;
  EXPECT_TRUE(HasRecord(0x1C9));  // beyond the cleared range
  EXPECT_EQ(Value(0x101, "Virtual Key")->Data, Le(0x23));
}

TEST_F(ImeHotkeysTest, LabelsGoToTheTargetEntryAndTheLaterRecordWins) {
  Preload({"00000409", "E0010804", "E0020804"});
  PutRecord(0x100, 0xC006, 0x31, 0xE0010804);
  PutRecord(0x101, 0x8006, 0x38, 0xE0010804);
  PutRecord(0x102, 0xC001, 0x2E, 0xE0020804);
  PutRecord(0x103, 0xC002, 0x20, 0);  // no target: 00000000 matches no entry

  ReadImeHotkeys(context_, window_);
  EXPECT_EQ(window_.Settings.ImeHotkeys.size(), 3u);
  EXPECT_EQ(window_.Settings.PreloadList[0].HotkeyLabel, "");
  EXPECT_EQ(window_.Settings.PreloadList[1].HotkeyLabel, "Left Ctrl+Shift+8");
  EXPECT_EQ(window_.Settings.PreloadList[2].HotkeyLabel, "Alt+DEL");

  SetRowHotkey(window_, 1, "0000C007", "00000041", "Ctrl+Alt+Shift+A");
  for (int i : {0, 1}) {
    EXPECT_EQ(window_.Settings.ImeHotkeys[i].Modifiers, "0000C007");
    EXPECT_EQ(window_.Settings.ImeHotkeys[i].VirtualKey, "00000041");
  }
  EXPECT_EQ(window_.Settings.PreloadList[1].HotkeyLabel, "Ctrl+Alt+Shift+A");
}

TEST_F(ImeHotkeysTest, SettingAHotkeyOnAnEntryWithoutOneAppendsARecord) {
  Preload({"00000409", "E0010804"});
  SetRowHotkey(window_, 1, "0000C006", "00000031", "Ctrl+Shift+1");
  ASSERT_EQ(window_.Settings.ImeHotkeys.size(), 1u);
  EXPECT_EQ(window_.Settings.ImeHotkeys[0].TargetLayoutId, "E0010804");
  EXPECT_EQ(window_.Settings.PreloadList[1].HotkeyLabel, "Ctrl+Shift+1");
  EXPECT_TRUE(HotkeyInUse(window_.Settings, "0000C006", "00000031"));
  EXPECT_FALSE(HotkeyInUse(window_.Settings, "00008006", "00000031"));

  SetRowHotkey(window_, 7, "0000C006", "00000032", "x");  // no such entry
  EXPECT_EQ(window_.Settings.ImeHotkeys.size(), 1u);

  RemoveRowHotkey(window_.Settings, 0);  // no label: nothing to remove
  EXPECT_EQ(window_.Settings.ImeHotkeys.size(), 1u);
  RemoveRowHotkey(window_.Settings, 1);
  EXPECT_TRUE(window_.Settings.ImeHotkeys.empty());
}

TEST_F(ImeHotkeysTest, ToggleRecordsDependOnTheSystemLocale) {
  struct Case {
    std::uint32_t locale;
    std::vector<std::uint32_t> records;  // per slot; 0 where the slot has none
    std::size_t itemsOffered;
  } cases[] = {
      {0x0804, {0x10, 0x11, 0x12}, 3}, {0x0404, {0x70, 0x71, 0x72}, 3}, {0x0412, {0x50, 0x51, 0x52}, 3},
      {0x0411, {0x30, 0, 0}, 1},       {0x0409, {0, 0, 0}, 3},          {0x0C04, {0, 0, 0}, 3},
  };
  const std::uint32_t allToggleRecords[] = {0x10, 0x11, 0x12, 0x70, 0x71, 0x72, 0x50, 0x51, 0x52, 0x30};
  for (const Case& c : cases) {
    windows_.Registry.RemoveTree(RegRoot::CurrentUser, schema::kHotKeysKey);
    for (std::uint32_t number : allToggleRecords) PutRecord(number, 0xC000 | (number & 0xF), number, 0);
    window_ = MainWindow();
    window_.SystemLocale = c.locale;
    window_.ToggleCombo.Items = ToggleItems(UiLanguage::English);
    ReadOtherToggles(context_, window_);
    EXPECT_EQ(window_.ToggleCombo.Items.size(), c.itemsOffered) << std::hex << c.locale;
    for (int slot = 0; slot < 3; ++slot) {
      const ToggleSlot& toggle = window_.Settings.OtherToggles[slot];
      EXPECT_EQ(toggle.VirtualKey, c.records[slot] ? Hex8(c.records[slot]) : "") << std::hex << c.locale << slot;
    }

    // Writing touches exactly the slots' records; an empty slot is written as zeros.
    windows_.Registry.RemoveTree(RegRoot::CurrentUser, schema::kHotKeysKey);
    window_.Settings.OtherToggles[0] = {};
    window_.Settings.OtherToggles[1] = {"00008002", "00000020"};
    window_.Settings.OtherToggles[2] = {"0000C004", "000000BE"};
    WriteOtherToggles(context_, window_);
    for (std::uint32_t number : allToggleRecords) {
      bool expected = std::find(c.records.begin(), c.records.end(), number) != c.records.end();
      EXPECT_EQ(HasRecord(number), expected) << std::hex << c.locale << " record " << number;
    }
    if (c.records[0]) {
      EXPECT_EQ(Value(c.records[0], "Key Modifiers")->Data, Le(0));
      EXPECT_EQ(Value(c.records[0], "Virtual Key")->Data, Le(0));
      EXPECT_EQ(Value(c.records[0], "Target IME")->Data, Le(0));
    }
    if (c.records[1]) {
      EXPECT_EQ(Value(c.records[1], "Key Modifiers")->Data, Le(0x8002));
    }
  }
}

TEST_F(ImeHotkeysTest, AnEmptyToggleReadsBackAsZerosWithoutALabel) {
  window_.SystemLocale = 0x0804;
  window_.ToggleCombo.Items = ToggleItems(UiLanguage::Simplified);
  WriteOtherToggles(context_, window_);
  ReadOtherToggles(context_, window_);
  EXPECT_EQ(window_.Settings.OtherToggles[0].Modifiers, "00000000");
  EXPECT_EQ(window_.Settings.OtherToggles[0].VirtualKey, "00000000");
  EXPECT_EQ(window_.ToggleHotkeyButton.Caption, "");
}

TEST_F(ImeHotkeysTest, TheToggleButtonShowsTheSelectedToggle) {
  window_.SystemLocale = 0x0804;
  window_.Language = UiLanguage::Simplified;
  PutRecord(0x10, 0xC002, 0x20, 0);
  PutRecord(0x12, 0x4005, 0xBF, 0);
  window_.ToggleCombo.Items = ToggleItems(UiLanguage::Simplified);
  ReadOtherToggles(context_, window_);
  EXPECT_EQ(window_.ToggleHotkeyButton.Caption, "Ctrl+SPACE");
  SelectOtherToggle(window_, 2);
  EXPECT_EQ(window_.ToggleHotkeyButton.Caption, "右 Alt+Shift+?");
  SelectOtherToggle(window_, 1);
  EXPECT_EQ(window_.ToggleHotkeyButton.Caption, "");
  SetOtherToggle(window_, 1, "0000C002", "00000041");
  EXPECT_TRUE(HotkeyInUse(window_.Settings, "0000C002", "00000041"));
}

TEST_F(ImeHotkeysTest, LabelsInUseCompareAsLabels) {
  Preload({"00000409", "E0010804"});
  window_.Settings.PreloadList[0].HotkeyLabel = "Left Ctrl+Shift+A";
  window_.ToggleCombo.Items = ToggleItems(UiLanguage::English);
  window_.Settings.OtherToggles[2] = {"0000C002", "00000020"};  // Ctrl+SPACE

  EXPECT_TRUE(LabelInUse(window_, "Left Ctrl+Shift+A", std::nullopt, std::nullopt));
  EXPECT_FALSE(LabelInUse(window_, "Ctrl+Shift+A", std::nullopt, std::nullopt));
  EXPECT_FALSE(LabelInUse(window_, "Left Ctrl+Shift+A", 0, std::nullopt));  // the row being edited
  EXPECT_TRUE(LabelInUse(window_, "Ctrl+SPACE", 0, std::nullopt));
  EXPECT_FALSE(LabelInUse(window_, "Ctrl+SPACE", std::nullopt, 2));  // the toggle being edited
  window_.ToggleCombo.Items.resize(1);                                // only offered toggles count
  EXPECT_FALSE(LabelInUse(window_, "Ctrl+SPACE", std::nullopt, std::nullopt));
}

TEST(ImeHotkeyTexts, InThreeLanguages) {
  EXPECT_STREQ(DuplicateHotkeyText(UiLanguage::English), "Duplicate hotkey!");
  EXPECT_STREQ(DuplicateHotkeyText(UiLanguage::Simplified), "热键重复！");
  EXPECT_STREQ(DuplicateHotkeyText(UiLanguage::Traditional), "熱鍵重復！");
  EXPECT_EQ(ToggleItems(UiLanguage::English),
            (std::vector<std::string>{"Ime/NonIme Toggle", "Shape Toggle", "Symbol Toggle"}));
  EXPECT_EQ(ToggleItems(UiLanguage::Simplified),
            (std::vector<std::string>{"打开/关闭输入法", "全角/半角切换", "中英文标点切换"}));
  EXPECT_EQ(ToggleItems(UiLanguage::Traditional),
            (std::vector<std::string>{"打開/關閉輸入法", "全角/半角切換", "中英文標點切換"}));
}

}  // namespace
}  // namespace fennick
