#include <gtest/gtest.h>

#include <set>

#include "settings/apply_settings.h"
#include "settings/preload_editing.h"
#include "test_machine.h"

namespace fennick {
namespace {

using testing::TestMachine;
using Ids = std::vector<std::string>;
using Values = std::vector<std::pair<std::string, std::string>>;

void PutRecord(TestMachine& m, std::uint32_t number, std::uint8_t key, std::vector<std::uint8_t> target) {
  const std::string path = schema::HotKeyRecordKey(number);
  m.windows.Registry.PutBytes(schema::HKCU, path, "Key Modifiers", {0x06, 0xC0, 0, 0});
  m.windows.Registry.PutBytes(schema::HKCU, path, "Virtual Key", {key, 0, 0, 0});
  m.windows.Registry.PutBytes(schema::HKCU, path, "Target IME", target);
}

// Calls of the call log that start with one of the prefixes, in order.
Ids CallsStartingWith(const TestMachine& m, std::initializer_list<const char*> prefixes) {
  Ids calls;
  for (const std::string& call : m.windows.Log.Calls) {
    for (const char* prefix : prefixes) {
      if (call.rfind(prefix, 0) == 0) calls.push_back(call);
    }
  }
  return calls;
}

class ApplyTest : public ::testing::Test {
 protected:
  explicit ApplyTest(std::uint32_t version = sim::version::WindowsXP) : m(version) {
    m.AddLayout({"00000409", "US", "", ""});
    m.AddLayout({"00000804", "Chinese (Simplified) - US Keyboard", "", ""});
    m.AddLayout({"E0010804", "Pinyin", "Microsoft Pinyin", "PINYIN.IME"});
    m.AddLayout({"E0020804", "Zhengma", "", "ZHENGMA.IME"});
    m.AddImeFile("PINYIN.IME", "微软拼音输入法");
    m.AddImeFile("ZHENGMA.IME", "郑码输入法");
    m.windows.Processes.AddProcess("ctfmon.exe");
    m.windows.Files.Put(m.SystemFile("ctfmon.exe"), {});
  }
  Context& c() { return *m.context; }
  MainWindow& w() { return m.window; }
  void Select(int row) { w().PreloadListView.Selected = row; }
  // Moves the available entry with this LayoutId to the end of the preload list.
  void Add(const std::string& id) {
    for (std::size_t i = 0; i < w().Settings.AvailableList.size(); ++i) {
      if (w().Settings.AvailableList[i].LayoutId == id) w().AvailableCombo.Current = static_cast<int>(i);
    }
    AddEntry(c(), w());
  }

  TestMachine m;
};

TEST_F(ApplyTest, WritesTheExactRegistryState) {
  m.windows.Registry.PutString(schema::HKCU, schema::kPreloadKey, "1", "00000804");
  m.windows.Registry.PutString(schema::HKCU, schema::kPreloadKey, "2", "E0010804");
  m.windows.Registry.PutString(schema::HKCU, schema::kPreloadKey, "7", "E0020804");
  PutRecord(m, 0x100, 0x31, {0x04, 0x08, 0x01, 0xE0});
  PutRecord(m, 0x105, 0x32, {0x04, 0x08, 0x04, 0x08});
  PutRecord(m, 0x107, 0x33, {0x04, 0x08, 0x02, 0xE0});  // targets E0020804, which is not loaded
  m.Load();
  ASSERT_EQ(m.PreloadIds(), (Ids{"00000804", "E0010804"}));

  w().Settings.CapsRelease = 1;
  RenameEntry(w(), 1, std::string("My Pinyin"));
  ApplyWorkingSettings(c(), w());

  EXPECT_EQ(m.PreloadValues(), (Values{{"1", "00000804"}, {"2", "E0010804"}}));
  for (std::uint32_t number : {0x100u, 0x101u}) EXPECT_TRUE(m.windows.Registry.HasKey(schema::HKCU, schema::HotKeyRecordKey(number)));
  for (std::uint32_t number : {0x102u, 0x105u, 0x107u}) EXPECT_FALSE(m.windows.Registry.HasKey(schema::HKCU, schema::HotKeyRecordKey(number)));
  EXPECT_EQ(m.windows.Registry.Peek(schema::HKCU, schema::HotKeyRecordKey(0x101), "Virtual Key")->Data,
            (std::vector<std::uint8_t>{0x32, 0, 0, 0}));
  auto attributes = m.windows.Registry.Peek(schema::HKCU, schema::kKeyboardLayoutKey, "Attributes");
  ASSERT_TRUE(attributes);
  EXPECT_EQ(attributes->Type, platform::RegType::Dword);
  EXPECT_EQ(attributes->Data, (std::vector<std::uint8_t>{0, 0, 1, 0}));
  EXPECT_EQ(m.windows.Registry.PeekString(schema::HKLM, schema::CatalogKey("E0010804"), "Layout Display Name"),
            "My Pinyin");
  // The record reflects the registry again: renumbered hotkeys, the new name.
  EXPECT_EQ(w().Settings.ImeHotkeys.size(), 2u);
  EXPECT_EQ(m.RowNames(), (Ids{"Chinese (Simplified) - US Keyboard", "My Pinyin"}));
  EXPECT_EQ(w().Settings.PreloadList[1].NewDisplayName, "");
}

TEST_F(ApplyTest, ADisplayNameEqualToOneOfTheEntrysNamesIsNotWritten) {
  m.SetPreload({"00000804", "E0010804", "E0020804"});
  m.Load();
  w().Settings.PreloadList[1].NewDisplayName = "Microsoft Pinyin";  // its services name
  w().Settings.PreloadList[2].NewDisplayName = "郑码输入法";        // its legacy name
  ApplyWorkingSettings(c(), w());
  EXPECT_TRUE(CallsStartingWith(m, {"RegSetValue HKLM"}).empty());
}

TEST_F(ApplyTest, LayoutsAreUnloadedAndLoadedFromTheLastEntryToTheFirst) {
  m.SetPreload({"E0010804", "00000409"});
  m.windows.Keyboard.Loaded = {0x04090409, 0xE0020804};
  m.Load();
  Select(0);
  MoveEntryDown(c(), w());
  w().Settings.ShowStatusWindow = true;
  m.windows.Log.Calls.clear();
  ApplyWorkingSettings(c(), w());
  Ids calls = CallsStartingWith(m, {"GetKeyboardLayoutList", "UnloadKeyboardLayout", "LoadKeyboardLayout",
                                    "ActivateKeyboardLayout", "SystemParametersInfo"});
  calls.resize(11);  // the reload's own look at the list follows
  EXPECT_EQ(calls, (Ids{
                       "SystemParametersInfo SPI_SETSHOWIMEUI 1",
                       "ActivateKeyboardLayout 00000000 40000000",
                       "SystemParametersInfo SPI_SETLANGTOGGLE",
                       "GetKeyboardLayoutList 30",
                       "UnloadKeyboardLayout 04090409",
                       "UnloadKeyboardLayout E0020804",
                       "LoadKeyboardLayout E0010804 00000008",
                       "LoadKeyboardLayout 00000409 00000008",
                       "GetKeyboardLayoutList 30",
                       "ActivateKeyboardLayout 04090409 00000001",
                       "SystemParametersInfo SPI_SETDEFAULTINPUTLANG 04090409",
                   }));
  EXPECT_EQ(m.windows.Keyboard.Loaded, (std::vector<std::uint32_t>{0x04090409, 0xE0010804}));
  EXPECT_EQ(w().Settings.LayoutHandles[0], 0x04090409u);
}

TEST_F(ApplyTest, AnEmptyListDeletesEveryValueAndLoadsNothing) {
  m.SetPreload({"00000804", "E0010804"});
  m.Load();
  Select(0);
  RemoveEntry(c(), w());
  RemoveEntry(c(), w());
  ASSERT_TRUE(w().Settings.PreloadList.empty());
  ApplyWorkingSettings(c(), w());
  EXPECT_TRUE(m.PreloadValues().empty());
  EXPECT_TRUE(CallsStartingWith(m, {"LoadKeyboardLayout"}).empty());
}

TEST_F(ApplyTest, AHotkeyWhoseEntryWasRemovedIsGoneFromTheRegistry) {
  m.SetPreload({"00000804", "E0010804"});
  PutRecord(m, 0x100, 0x31, {0x04, 0x08, 0x01, 0xE0});
  m.Load();
  Select(1);
  RemoveEntry(c(), w());
  ApplyWorkingSettings(c(), w());
  EXPECT_FALSE(m.windows.Registry.HasKey(schema::HKCU, schema::HotKeyRecordKey(0x100)));
  EXPECT_TRUE(w().Settings.ImeHotkeys.empty());
}

TEST_F(ApplyTest, AFailedWriteNeverLeavesTheUserWithoutInputLocales) {
  const std::set<std::string> oldIds = {"00000804", "E0010804", "E0020804"};
  const Values expected = {{"1", "E0020804"}, {"2", "00000409"}};
  // Counts the apply's registry writes once, then fails each in turn.
  for (int failAt = 0;; ++failAt) {
    m.SetPreload({"00000804", "E0010804", "E0020804"});
    m.Reset();
    m.Load();
    Select(0);
    RemoveEntry(c(), w());
    RemoveEntry(c(), w());
    Add("00000409");
    const MainWindow intended = w();

    int writes = 0;
    bool failed = false;
    std::string broken;
    m.windows.Log.FailWhen = [&](const std::string& call) {
      // Before every call: the list as stored so far is never empty and names
      // only layouts of the old or the new list.
      Values stored = m.PreloadValues();
      if (stored.empty()) broken = "empty before " + call;
      for (const auto& value : stored) {
        if (!oldIds.count(value.second) && value.second != "00000409") broken = value.second + " before " + call;
      }
      bool write = call.rfind("RegSetValue", 0) == 0 || call.rfind("RegDeleteValue", 0) == 0 ||
                   call.rfind("RegDeleteKey", 0) == 0 || call.rfind("RegCreateKey", 0) == 0;
      if (!write) return false;
      failed = failed || writes == failAt;
      return writes++ == failAt;
    };
    ApplyWorkingSettings(c(), w());
    m.windows.Log.FailWhen = nullptr;
    EXPECT_EQ(broken, "") << "failure at write " << failAt;
    EXPECT_FALSE(m.PreloadValues().empty()) << "failure at write " << failAt;

    // The same settings applied again without failures give exactly the new list.
    w() = intended;
    ApplyWorkingSettings(c(), w());
    EXPECT_EQ(m.PreloadValues(), expected) << "failure at write " << failAt;
    if (!failed) break;  // every write of the apply has failed once
  }
}

class Win9xApplyTest : public ApplyTest {
 protected:
  Win9xApplyTest() : ApplyTest(sim::version::Windows98) {}
  void PutSubKey(int n, const char* id) {
    m.windows.Registry.PutString(schema::HKCU, schema::PreloadSubKey(n), "", id);
  }
  bool HasSubKey(int n) { return m.windows.Registry.HasKey(schema::HKCU, schema::PreloadSubKey(n)); }
};

TEST_F(Win9xApplyTest, SubKeysAreRewrittenAndOldOnesRemovedOnlyAfterAListWasLoaded) {
  PutSubKey(5, "E0020804");  // no "1": the load finds no list
  m.Reset();
  m.Load();
  ASSERT_EQ(w().Settings.LoadedPreloadCount, 0);
  Add("00000804");
  Add("E0010804");
  w().Settings.CapsRelease = 1;
  ApplyWorkingSettings(c(), w());
  EXPECT_EQ(m.windows.Registry.PeekString(schema::HKCU, schema::PreloadSubKey(1), ""), "00000804");
  EXPECT_EQ(m.windows.Registry.PeekString(schema::HKCU, schema::PreloadSubKey(2), ""), "E0010804");
  EXPECT_TRUE(HasSubKey(5));  // the old key was not deleted
  EXPECT_FALSE(m.windows.Registry.Peek(schema::HKCU, schema::kKeyboardLayoutKey, "Attributes"));
  EXPECT_TRUE(CallsStartingWith(m, {"ActivateKeyboardLayout 00000000"}).empty());

  ASSERT_EQ(w().Settings.LoadedPreloadCount, 2);
  Select(0);
  RemoveEntry(c(), w());
  ApplyWorkingSettings(c(), w());
  EXPECT_EQ(m.windows.Registry.PeekString(schema::HKCU, schema::PreloadSubKey(1), ""), "E0010804");
  EXPECT_FALSE(HasSubKey(2));
  EXPECT_FALSE(HasSubKey(5));
}

TEST(Win31Apply, WritesNoPreloadListAndNoCapsLock) {
  TestMachine m(sim::version::Windows31);
  m.AddLayout({"00000409", "US", "", ""});
  m.Load();
  m.window.AvailableCombo.Current = 0;
  AddEntry(*m.context, m.window);
  m.window.Settings.CapsRelease = 1;
  ApplyWorkingSettings(*m.context, m.window);
  EXPECT_FALSE(m.windows.Registry.HasKey(schema::HKCU, schema::kPreloadKey));
  EXPECT_FALSE(m.windows.Registry.Peek(schema::HKCU, schema::kKeyboardLayoutKey, "Attributes"));
}

}  // namespace
}  // namespace fennick
