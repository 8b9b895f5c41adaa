// The main window's commands through its handlers, on a loaded window record:
// the row buttons, OK, Apply and Exit, the IME's properties, the double click
// by column, renaming in place, installing and removing.
#include <gtest/gtest.h>

#include <optional>

#include "test_machine.h"
#include "ui/main_window_events.h"

namespace fennick {
namespace {

using testing::TestMachine;
using Ids = std::vector<std::string>;
using Values = std::vector<std::pair<std::string, std::string>>;

// Windows XP, English, the language bar running. Preload: 00000409,
// E0010804 (Pinyin, hotkey Ctrl+Shift+1), 00000804; available: the IMEs
// E0020804 and E0030804.
std::unique_ptr<TestMachine> Machine(std::uint32_t version = sim::version::WindowsXP) {
  auto m = std::make_unique<TestMachine>(version, 0x0409);
  m->AddLayout({"00000409", "US", "", ""});
  m->AddLayout({"00000804", "Chinese (Simplified) - US Keyboard", "", ""});
  m->AddLayout({"E0010804", "Pinyin", "Pinyin Display", "PINYIN.IME"});
  m->AddLayout({"E0020804", "Wubi", "", "WUBI.IME"});
  m->AddLayout({"E0030804", "Zhengma", "", "ZHENGMA.IME"});
  m->AddImeFile("PINYIN.IME", "Pinyin File");
  m->AddImeFile("WUBI.IME", "Wubi File");
  m->AddImeFile("ZHENGMA.IME", "Zhengma File");
  m->AddImeFile("NEW.IME", "New File");
  m->SetPreload({"00000409", "E0010804", "00000804"});
  m->PutHotkeyRecord(0x100, 0xC006, 0x31, 0xE0010804);
  m->windows.Processes.AddProcess("ctfmon.exe");
  m->windows.Keyboard.Loaded = {0x04090409, 0xE0010804, 0x08040804};
  m->window.ArgumentCount = 0;
  m->Load();
  return m;
}

Values Preload(const Ids& ids) {
  Values values;
  for (std::size_t n = 1; n <= ids.size(); ++n) values.emplace_back(std::to_string(n), ids[n - 1]);
  return values;
}

TEST(WindowCommands, RowButtonsEditTheListAndADisabledButtonDoesNothing) {
  const struct {
    const char* Name;
    ControlId Button;
    int Row;  // selected before the click
    Ids After;
    int Selected;
    Ids Available;
  } cases[] = {
      {"Down", ControlId::DownButton, 0, {"E0010804", "00000409", "00000804"}, 1, {"E0020804", "E0030804"}},
      {"Up", ControlId::UpButton, 2, {"00000409", "00000804", "E0010804"}, 1, {"E0020804", "E0030804"}},
      {"Up on the first row", ControlId::UpButton, 0, {"00000409", "E0010804", "00000804"}, 0,
       {"E0020804", "E0030804"}},
      {"Down on the last row", ControlId::DownButton, 2, {"00000409", "E0010804", "00000804"}, 2,
       {"E0020804", "E0030804"}},
      {"Delete", ControlId::DeleteButton, 1, {"00000409", "00000804"}, 1, {"E0020804", "E0030804", "E0010804"}},
      {"Add", ControlId::AddButton, 1, {"00000409", "E0010804", "00000804", "E0020804"}, 1, {"E0030804"}},
  };
  for (const auto& c : cases) {
    auto m = Machine();
    ASSERT_EQ(m->AvailableIds(), (Ids{"E0020804", "E0030804"}));
    RowSelectionChanged(*m->context, m->window, c.Row);
    ButtonClicked(*m->context, m->window, c.Button);
    EXPECT_EQ(m->PreloadIds(), c.After) << c.Name;
    EXPECT_EQ(m->window.PreloadListView.Rows.size(), c.After.size()) << c.Name;
    EXPECT_EQ(m->window.PreloadListView.Selected, c.Selected) << c.Name;
    EXPECT_EQ(m->AvailableIds(), c.Available) << c.Name;
    // Nothing is written before OK or Apply.
    EXPECT_EQ(m->PreloadValues(), Preload({"00000409", "E0010804", "00000804"})) << c.Name;
  }
}

TEST(WindowCommands, OkAppliesAndClosesApplyAppliesExitDropsTheChanges) {
  const struct {
    ControlId Button;
    Ids Stored;
    bool Closed;
  } cases[] = {
      {ControlId::OkButton, {"E0010804", "00000409", "00000804"}, true},
      {ControlId::ApplyButton, {"E0010804", "00000409", "00000804"}, false},
      {ControlId::ExitButton, {"00000409", "E0010804", "00000804"}, true},
  };
  for (const auto& c : cases) {
    auto m = Machine();
    ButtonClicked(*m->context, m->window, ControlId::DownButton);
    ButtonClicked(*m->context, m->window, c.Button);
    EXPECT_EQ(m->PreloadValues(), Preload(c.Stored)) << static_cast<int>(c.Button);
    EXPECT_EQ(m->window.CloseRequested, c.Closed) << static_cast<int>(c.Button);
    // The hotkey record follows its entry wherever it now is.
    EXPECT_TRUE(m->windows.Registry.HasKey(schema::HKCU, schema::HotKeyRecordKey(0x100)));
  }
}

TEST(WindowCommands, ImePropertiesOpenWithTheHandleAtTheSelectedPosition) {
  const struct {
    const char* Name;
    std::uint32_t Version;
    int Rows;
    int Selected;
    std::uint32_t Handle;  // of the selected position's slot
    std::vector<std::string> Calls;
  } cases[] = {
      {"an IME on XP", sim::version::WindowsXP, 3, 1, 0xE0010804, {"ImmConfigureIME E0010804"}},
      {"Windows 98", sim::version::Windows98, 3, 2, 0xE0020804, {"ImmConfigureIME E0020804"}},
      {"Windows 7", sim::version::Windows7, 3, 0, 0xE0030804, {"ImmConfigureIME E0030804"}},
      {"the last slot", sim::version::WindowsXP, 32, 30, 0xE0040804, {"ImmConfigureIME E0040804"}},
      {"beyond the slots", sim::version::WindowsXP, 32, 31, 0xE0040804, {}},
      {"no row selected", sim::version::WindowsXP, 3, -1, 0xE0010804, {}},
      {"no handle at the position", sim::version::WindowsXP, 3, 1, 0, {}},
      {"Windows 3.1 has no such dialog", sim::version::Windows31, 3, 1, 0xE0010804, {}},
  };
  for (const auto& c : cases) {
    sim::SimWindows windows;
    windows.System.Version = c.Version;
    Context context(windows.Platform());
    MainWindow window;
    for (int row = 0; row < c.Rows; ++row) {
      window.Settings.PreloadList.push_back({"E0010804", "L", "S", "", ""});
      window.PreloadListView.Rows.push_back({"S"});
    }
    window.PreloadListView.Selected = c.Selected;
    if (c.Selected >= 0 && c.Selected < kLayoutHandleSlots) window.Settings.LayoutHandles[c.Selected] = c.Handle;
    windows.Log.Calls.clear();
    ShowImeProperties(context, window);
    EXPECT_EQ(windows.Log.Calls, c.Calls) << c.Name;
  }
}

TEST(WindowCommands, PropertiesButtonForImesTheDoubleClickByColumnForAnyRow) {
  const struct {
    const char* Name;
    int Row;
    bool DoubleClick;
    int PointerX;
    std::vector<std::string> Calls;
  } cases[] = {
      {"button on an IME", 1, false, 0, {"ImmConfigureIME E0010804"}},
      {"button on a plain layout: disabled", 2, false, 0, {}},
      {"first column of an IME", 1, true, 10, {"ImmConfigureIME E0010804"}},
      {"first column of a plain layout", 2, true, 153, {"ImmConfigureIME 08040804"}},
      {"second column", 1, true, 154, {}},
  };
  for (const auto& c : cases) {
    auto m = Machine();
    RowSelectionChanged(*m->context, m->window, c.Row);
    m->windows.Log.Calls.clear();
    if (c.DoubleClick) {
      RowDoubleClicked(*m->context, m->window, c.PointerX, 0, 154);
    } else {
      ButtonClicked(*m->context, m->window, ControlId::PropertiesButton);
    }
    std::vector<std::string> calls;
    for (const std::string& call : m->windows.Log.Calls) {
      if (call.rfind("ImmConfigureIME", 0) == 0) calls.push_back(call);
    }
    EXPECT_EQ(calls, c.Calls) << c.Name;
  }
}

TEST(WindowCommands, RenamingInPlaceKeepsTheRowTextWhenRejected) {
  const struct {
    const char* Name;
    bool Legacy;
    int Row;
    std::optional<std::string> Text;
    std::string RowText;
    std::string Stored;  // "Layout Display Name" of the row's key after OK
  } cases[] = {
      {"an IME", false, 1, std::string(" My Pinyin "), " My Pinyin ", " My Pinyin "},
      {"a plain layout", false, 0, std::string("My US"), "US", ""},
      {"cancelled", false, 1, std::nullopt, "Pinyin Display", "Pinyin Display"},
      {"blank", false, 1, std::string(" \t "), "Pinyin Display", "Pinyin Display"},
      {"legacy style", true, 1, std::string("My Pinyin"), "Pinyin File", "Pinyin Display"},
  };
  for (const auto& c : cases) {
    auto m = Machine();
    if (c.Legacy) BoxClicked(*m->context, m->window, ControlId::IndicatorRadio, true);
    RowSelectionChanged(*m->context, m->window, c.Row);
    LabelEdited(*m->context, m->window, c.Row, c.Text);
    EXPECT_EQ(m->window.PreloadListView.Rows[c.Row].Name, c.RowText) << c.Name;
    ButtonClicked(*m->context, m->window, ControlId::OkButton);
    const std::string id = c.Row == 0 ? "00000409" : "E0010804";
    EXPECT_EQ(m->windows.Registry.PeekString(schema::HKLM, schema::CatalogKey(id), "Layout Display Name").value_or(""),
              c.Stored)
        << c.Name;
  }
}

TEST(WindowCommands, InstallAndRemoveButtonsFollowTheirRules) {
  // Install: both fields filled; from Windows Vista on the button stays off.
  for (std::uint32_t version : {sim::version::WindowsXP, sim::version::Windows7}) {
    auto m = Machine(version);
    TextChanged(*m->context, m->window, ControlId::InstallNameEdit, "New IME");
    TextChanged(*m->context, m->window, ControlId::InstallFileEdit, m->SystemFile("NEW.IME"));
    ButtonClicked(*m->context, m->window, ControlId::InstallButton);
    const bool installs = version == sim::version::WindowsXP;
    EXPECT_EQ(m->windows.InputMethods.Installed.size(), installs ? 1u : 0u) << version;
    EXPECT_EQ(m->HasCatalogKey("E0020409"), installs) << version;
  }
  // Remove: only an IME chosen in AvailableCombo, after the question.
  auto m = Machine();
  ButtonClicked(*m->context, m->window, ControlId::RemoveButton);  // disabled at start
  EXPECT_TRUE(m->windows.Dialogs.Shown.empty());
  ItemChosen(*m->context, m->window, ControlId::AvailableCombo, 1);
  ButtonClicked(*m->context, m->window, ControlId::RemoveButton);
  ASSERT_EQ(m->windows.Dialogs.Shown.size(), 1u);
  EXPECT_EQ(m->windows.Dialogs.Shown[0].Text, "Do you want to delete E0030804:\"Zhengma File (ZHENGMA.IME)\" ?");
  EXPECT_FALSE(m->HasCatalogKey("E0030804"));
  EXPECT_EQ(m->AvailableIds(), (Ids{"E0020804"}));
}

TEST(WindowCommands, ExitAfterEditsLeavesTheRegistryAsLoaded) {
  auto m = Machine();
  Context& c = *m->context;
  MainWindow& w = m->window;
  const std::string loaded = testing::RegistryDump(m->windows.Registry);
  m->windows.Log.Calls.clear();

  RowSelectionChanged(c, w, 1);
  ButtonClicked(c, w, ControlId::DownButton);
  ButtonClicked(c, w, ControlId::UpButton);
  LabelEdited(c, w, 1, std::string("Renamed"));
  ButtonClicked(c, w, ControlId::DeleteButton);
  ButtonClicked(c, w, ControlId::AddButton);
  ButtonClicked(c, w, ControlId::PropertiesButton);
  RowDoubleClicked(c, w, 5, 0, 154);
  ShowRowHoverText(c, w, 20, 0);
  ItemChosen(c, w, ControlId::AvailableCombo, 0);
  BoxClicked(c, w, ControlId::IndicatorRadio, true);
  BoxClicked(c, w, ControlId::IndicatorEnableCheck, false);
  BoxClicked(c, w, ControlId::ShowStatusCheck, false);
  BoxClicked(c, w, ControlId::LanguageSwitchCheck, true);
  ItemChosen(c, w, ControlId::LanguageChordCombo, chord::AltShift);
  ItemChosen(c, w, ControlId::CapsCombo, 1);
  ItemChosen(c, w, ControlId::ToggleCombo, 2);
  TextChanged(c, w, ControlId::InstallNameEdit, "My IME");
  TextChanged(c, w, ControlId::InstallFileEdit, "my.ime");
  ShowSettingsPage(c, w, 2);
  ASSERT_NE(m->PreloadIds(), (Ids{"00000409", "E0010804", "00000804"}));
  ButtonClicked(c, w, ControlId::ExitButton);

  EXPECT_TRUE(w.CloseRequested);
  EXPECT_EQ(testing::RegistryDump(m->windows.Registry), loaded);
  // Nothing that writes, loads layouts or starts programs was called either.
  for (const std::string& call : m->windows.Log.Calls) {
    for (const char* writing : {"RegDelete", "RegSetValue", "RegCreateKey", "LoadKeyboardLayout", "UnloadKeyboardLayout",
                                "ActivateKeyboardLayout", "SystemParametersInfo", "CreateProcess", "CallEntry",
                                "CopyFile", "ImmInstallIME"}) {
      EXPECT_NE(call.rfind(writing, 0), 0u) << call;
    }
  }
}

}  // namespace
}  // namespace fennick
