#include <gtest/gtest.h>

#include <algorithm>

#include "app/duplicate_cleanup.h"
#include "app/program.h"
#include "app/window_construction.h"
#include "hotkeys/ime_hotkeys.h"
#include "settings/apply_settings.h"
#include "settings/preload_editing.h"
#include "settings/preload_selection.h"
#include "test_machine.h"

namespace fennick {
namespace {

using testing::TestMachine;
using Ids = std::vector<std::string>;
using Values = std::vector<std::pair<std::string, std::string>>;

// Records which window steps the start-up sequence asks for, and what the
// record held at each.
class RecordingFrontEnd : public WindowFrontEnd {
 public:
  void CreateControls(Context&, MainWindow& window) override { Note("CreateControls", window); }
  void PlaceWindow(Context&, MainWindow& window) override { Note("PlaceWindow", window); }
  void SetUiTexts(Context&, MainWindow& window) override { Note("SetUiTexts", window); }
  void RunWindow(Context&, MainWindow& window) override { Note("RunWindow", window); }

  // Step name, then whether the settings were loaded and the IndicatorRadio
  // click had happened.
  std::vector<std::string> Steps;

 private:
  void Note(const char* step, const MainWindow& window) {
    Steps.push_back(std::string(step) + (window.Settings.PreloadList.empty() ? " unloaded" : " loaded") +
                    (window.PreloadListView.EditLabels ? "" : " clicked"));
  }
};

// Windows XP, Simplified Chinese. Three IMEs share one file (in three letter
// cases); 00000804 and 00000409 are plain layouts.
class StartupTest : public ::testing::Test {
 protected:
  StartupTest() {
    m.AddLayout({"00000409", "US", "", ""});
    m.AddLayout({"00000804", "Chinese (Simplified) - US Keyboard", "", ""});
    m.AddLayout({"E0010804", "Pinyin", "Pinyin One", "PINYIN.IME"});
    m.AddLayout({"E0020804", "Pinyin", "Pinyin Two", "pinyin.ime"});
    m.AddLayout({"E0030804", "Pinyin", "Pinyin Three", "Pinyin.Ime"});
    m.AddLayout({"E0040804", "Wubi", "Wubi", "WUBI.IME"});
    m.AddImeFile("PINYIN.IME", "Pinyin File");
    m.AddImeFile("WUBI.IME", "Wubi File");
    m.windows.Processes.AddProcess("ctfmon.exe");
  }

  // Starts the program with this command line.
  void Start(const std::string& arguments) {
    m.windows.System.CommandLineText = "\"C:\\Program Files\\Fennick\\fennick.exe\"" + arguments;
    m.Reset();
    m.window = MainWindow();
    exitCode = RunProgram(*m.context, frontEnd, m.window);
  }
  Values Preload(const Ids& ids) {
    Values values;
    for (std::size_t n = 1; n <= ids.size(); ++n) values.emplace_back(std::to_string(n), ids[n - 1]);
    return values;
  }

  TestMachine m;
  RecordingFrontEnd frontEnd;
  int exitCode = -1;
};

TEST_F(StartupTest, WindowModeBuildsTheWindowInOrderAndWritesNothing) {
  m.SetPreload({"00000804", "E0040804"});
  m.windows.Registry.PutString(schema::HKCU, schema::kPreloadKey, "7", "00000409");
  Start("");
  EXPECT_EQ(frontEnd.Steps, (Ids{"CreateControls unloaded clicked", "PlaceWindow unloaded clicked",
                                 "SetUiTexts unloaded clicked", "RunWindow loaded clicked"}));
  EXPECT_EQ(exitCode, 0);
  EXPECT_EQ(m.window.Language, UiLanguage::Simplified);
  EXPECT_EQ(m.PreloadIds(), (Ids{"00000804", "E0040804"}));
  EXPECT_EQ(m.window.PreloadListView.Selected, 0);
  EXPECT_FALSE(m.window.CloseRequested);
  // Not applied: the value past the list is still there, no layout was loaded.
  EXPECT_EQ(m.PreloadValues().size(), 3u);
  for (const std::string& call : m.windows.Log.Calls) EXPECT_EQ(call.find("LoadKeyboardLayout"), std::string::npos);
}

TEST_F(StartupTest, AnyArgumentRunsTheSwitchesAppliesAndEndsWithoutAWindow) {
  const struct {
    std::string Arguments;
    Values Preload;
    bool HelpBox;
  } cases[] = {
      {" x", {{"1", "00000804"}, {"2", "E0040804"}}, false},  // no switch: the loaded settings applied
      {" /?", {{"1", "00000804"}, {"2", "E0040804"}}, true},
      {" /on /del1:1 /add3:00000409", {{"1", "E0040804"}, {"2", "00000409"}}, false},
      {" /load:set.txt", {{"1", "00000409"}, {"2", "00000804"}, {"3", "E0040804"}}, false},
      {" /load:missing.txt", {{"1", "00000804"}, {"2", "E0040804"}}, false},
  };
  m.windows.Files.Put("C:\\Program Files\\Fennick\\set.txt", sim::SimFile("/add3:00000409\r\n/move3:00000409,1"));
  for (const auto& c : cases) {
    m.SetPreload({"00000804", "E0040804"});
    m.windows.Registry.PutString(schema::HKCU, schema::kPreloadKey, "7", "00000409");
    m.windows.Dialogs.Shown.clear();
    frontEnd.Steps.clear();
    Start(c.Arguments);
    EXPECT_TRUE(frontEnd.Steps.empty()) << c.Arguments;
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(m.window.CloseRequested) << c.Arguments;
    EXPECT_EQ(m.PreloadValues(), c.Preload) << c.Arguments;
    EXPECT_EQ(m.windows.Dialogs.Shown.size(), c.HelpBox ? 1u : 0u) << c.Arguments;
    EXPECT_EQ(m.window.Hidden, c.HelpBox) << c.Arguments;
  }
}

TEST_F(StartupTest, LaterRegistrationsOfOneImeFileAreRemovedInBothModes) {
  const struct {
    Ids Preload;
    Ids Kept;     // the record's list afterwards
    Ids Deleted;  // catalog keys deleted
  } cases[] = {
      {{"00000804", "E0010804", "E0020804"}, {"00000804", "E0010804"}, {"E0020804"}},
      {{"E0030804", "E0040804", "E0010804", "E0020804"}, {"E0030804", "E0040804"}, {"E0010804", "E0020804"}},
      {{"00000804", "00000409", "E0040804"}, {"00000804", "00000409", "E0040804"}, {}},  // no IME file twice
      // The same LayoutId twice: the repeated row goes, the IME keeps its key.
      {{"00000804", "E0010804", "E0010804"}, {"00000804", "E0010804"}, {}},
  };
  for (const char* arguments : {"", " x"}) {
    const bool switchMode = arguments[0] != '\0';
    for (const auto& c : cases) {
      m.windows.Registry.RemoveTree(schema::HKLM, schema::kLayoutsKey);
      for (const char* id : {"E0010804", "E0020804", "E0030804"}) {
        const char* files[] = {"PINYIN.IME", "pinyin.ime", "Pinyin.Ime"};
        m.AddLayout({id, "Pinyin", std::string("Pinyin ") + id, files[id[3] - '1']});
      }
      m.AddLayout({"00000409", "US", "", ""});
      m.AddLayout({"00000804", "Chinese (Simplified) - US Keyboard", "", ""});
      m.AddLayout({"E0040804", "Wubi", "Wubi", "WUBI.IME"});
      m.SetPreload(c.Preload);
      // A hotkey for the last entry: dropped with it when it is a duplicate.
      m.windows.Registry.RemoveTree(schema::HKCU, schema::kHotKeysKey);
      m.PutHotkeyRecord(0x100, 0xC006, 0x31, TargetHandleOf(c.Preload.back()));
      Start(arguments);

      const std::string label = std::string(switchMode ? "switch mode " : "window mode ") +
                                ::testing::PrintToString(c.Preload);
      EXPECT_EQ(m.PreloadIds(), c.Kept) << label;
      for (const std::string& id : c.Preload) {
        const bool deleted = std::find(c.Deleted.begin(), c.Deleted.end(), id) != c.Deleted.end();
        EXPECT_EQ(m.HasCatalogKey(id), !deleted) << label << " " << id;
        // Neither list offers a removed entry again.
        const Ids available = m.AvailableIds();
        EXPECT_EQ(std::count(available.begin(), available.end(), id), 0) << label << " " << id;
      }
      EXPECT_EQ(m.window.AvailableCombo.Items.size(), m.AvailableIds().size()) << label;
      // The hotkey stays exactly while an entry of its LayoutId stays.
      const bool targetKept = std::find(c.Kept.begin(), c.Kept.end(), c.Preload.back()) != c.Kept.end();
      EXPECT_EQ(m.window.Settings.ImeHotkeys.size(), targetKept ? 1u : 0u) << label;
      // The clean-up writes no list: window mode has not applied; switch mode
      // applied before the clean-up, so the registry keeps every row.
      EXPECT_EQ(m.PreloadValues(), Preload(c.Preload)) << label;
      // A row is selected at the end.
      EXPECT_GE(m.window.PreloadListView.Selected, 0) << label;
    }
  }
}

TEST(EnsureRowSelectedTest, SelectsTheLastRowWhenNoneIs) {
  const struct {
    int Rows;
    int Selected;
    int Expected;
  } cases[] = {{3, -1, 2}, {3, 1, 1}, {3, 0, 0}, {1, -1, 0}, {0, -1, -1}};
  for (const auto& c : cases) {
    TestMachine m;
    m.AddLayout({"00000409", "US", "", ""});
    m.AddLayout({"00000804", "Chinese (Simplified) - US Keyboard", "", ""});
    m.AddLayout({"00000404", "Chinese (Traditional) - US Keyboard", "", ""});
    const Ids ids = {"00000409", "00000804", "00000404"};
    m.SetPreload(Ids(ids.begin(), ids.begin() + c.Rows));
    m.Load();
    m.window.PreloadListView.Selected = c.Selected;
    EnsureRowSelected(*m.context, m.window);
    EXPECT_EQ(m.window.PreloadListView.Selected, c.Expected) << c.Rows << " " << c.Selected;
    // A selection made here is a selection change: the buttons follow.
    if (c.Expected == c.Rows - 1 && c.Rows > 0) {
      EXPECT_FALSE(m.window.DownButton.Enabled);
    }
  }
}

TEST(ApplyAndCloseTest, AppliesThenRequestsTheClose) {
  TestMachine m;
  m.AddLayout({"00000409", "US", "", ""});
  m.AddLayout({"00000804", "Chinese (Simplified) - US Keyboard", "", ""});
  m.SetPreload({"00000409"});
  m.Load();
  m.window.AvailableCombo.Current = 0;
  AddEntry(*m.context, m.window);
  ApplyAndClose(*m.context, m.window);
  EXPECT_TRUE(m.window.CloseRequested);
  EXPECT_EQ(m.PreloadValues(), (Values{{"1", "00000409"}, {"2", "00000804"}}));
}

}  // namespace
}  // namespace fennick
