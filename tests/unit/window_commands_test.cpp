// The main window's commands through its handlers, on a loaded window record:
// the row buttons, OK, Apply and Exit, the IME's properties, the double click
// by column, renaming in place, installing and removing.
#include <gtest/gtest.h>

#include <optional>

#include "scripted_dialogs.h"
#include "test_machine.h"
#include "ui/hotkey_dialog.h"
#include "ui/main_window_events.h"

namespace fennick {
namespace {

using testing::TestMachine;
using Ids = std::vector<std::string>;
using Values = std::vector<std::pair<std::string, std::string>>;

std::unique_ptr<TestMachine> Machine(std::uint32_t version = sim::version::WindowsXP) {
  return testing::StartedMachine(version);
}

Values Preload(const Ids& ids) {
  Values values;
  for (std::size_t n = 1; n <= ids.size(); ++n) values.emplace_back(std::to_string(n), ids[n - 1]);
  return values;
}

TEST(WindowCommands, RowButtonsEditTheListAndADisabledButtonDoesNothing) {
  testing::ScriptedDialogs dialogs;
  const struct {
    const char* Name;
    ControlId Button;
    int Row;  // selected before the click
    Ids After;
    int Selected;
    Ids Available;
  } cases[] = {
      {"Down", ControlId::DownButton, 0, {"E0010804", "00000409", "00000804"}, 1, {"E0020804", "E0030804", "00000407"}},
      {"Up", ControlId::UpButton, 2, {"00000409", "00000804", "E0010804"}, 1, {"E0020804", "E0030804", "00000407"}},
      {"Up on the first row", ControlId::UpButton, 0, {"00000409", "E0010804", "00000804"}, 0,
       {"E0020804", "E0030804", "00000407"}},
      {"Down on the last row", ControlId::DownButton, 2, {"00000409", "E0010804", "00000804"}, 2,
       {"E0020804", "E0030804", "00000407"}},
      {"Delete", ControlId::DeleteButton, 1, {"00000409", "00000804"}, 1, {"E0020804", "E0030804", "00000407", "E0010804"}},
      {"Add", ControlId::AddButton, 1, {"00000409", "E0010804", "00000804", "E0020804"}, 1, {"E0030804", "00000407"}},
  };
  for (const auto& c : cases) {
    auto m = Machine();
    ASSERT_EQ(m->AvailableIds(), (Ids{"E0020804", "E0030804", "00000407"}));
    RowSelectionChanged(*m->context, m->window, c.Row);
    ButtonClicked(*m->context, m->window, dialogs, c.Button);
    EXPECT_EQ(m->PreloadIds(), c.After) << c.Name;
    EXPECT_EQ(m->window.PreloadListView.Rows.size(), c.After.size()) << c.Name;
    EXPECT_EQ(m->window.PreloadListView.Selected, c.Selected) << c.Name;
    EXPECT_EQ(m->AvailableIds(), c.Available) << c.Name;
    // Nothing is written before OK or Apply.
    EXPECT_EQ(m->PreloadValues(), Preload({"00000409", "E0010804", "00000804"})) << c.Name;
  }
}

TEST(WindowCommands, OkAppliesAndClosesApplyAppliesExitDropsTheChanges) {
  testing::ScriptedDialogs dialogs;
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
    ButtonClicked(*m->context, m->window, dialogs, ControlId::DownButton);
    ButtonClicked(*m->context, m->window, dialogs, c.Button);
    EXPECT_EQ(m->PreloadValues(), Preload(c.Stored)) << static_cast<int>(c.Button);
    EXPECT_EQ(m->window.CloseRequested, c.Closed) << static_cast<int>(c.Button);
    // The hotkey record follows its entry wherever it now is.
    EXPECT_TRUE(m->windows.Registry.HasKey(schema::HKCU, schema::HotKeyRecordKey(0x100)));
  }
}

TEST(WindowCommands, ImePropertiesOpenWithTheHandleAtTheSelectedPosition) {
  testing::ScriptedDialogs dialogs;
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
    bool HotkeyEditor;
  } cases[] = {
      {"button on an IME", 1, false, 0, {"ImmConfigureIME E0010804"}, false},
      {"button on a plain layout: disabled", 2, false, 0, {}, false},
      {"first column of an IME", 1, true, 10, {"ImmConfigureIME E0010804"}, false},
      {"first column of a plain layout", 2, true, 153, {"ImmConfigureIME 08040804"}, false},
      {"second column", 1, true, 154, {}, true},
      {"second column of a plain layout", 2, true, 300, {}, true},
  };
  for (const auto& c : cases) {
    testing::ScriptedDialogs dialogs;
    auto m = Machine();
    RowSelectionChanged(*m->context, m->window, c.Row);
    m->windows.Log.Calls.clear();
    if (c.DoubleClick) {
      RowDoubleClicked(*m->context, m->window, dialogs, c.PointerX, 0, 154);
    } else {
      ButtonClicked(*m->context, m->window, dialogs, ControlId::PropertiesButton);
    }
    std::vector<std::string> calls;
    for (const std::string& call : m->windows.Log.Calls) {
      if (call.rfind("ImmConfigureIME", 0) == 0) calls.push_back(call);
    }
    EXPECT_EQ(calls, c.Calls) << c.Name;
    EXPECT_EQ(dialogs.Shown, c.HotkeyEditor ? std::vector<ModalDialog>{ModalDialog::Hotkey} : std::vector<ModalDialog>{})
        << c.Name;
    if (c.HotkeyEditor) {
      EXPECT_EQ(dialogs.HotkeyAsShown[0].TitleLabel.Caption, m->RowNames()[c.Row]) << c.Name;
    }
  }
}

TEST(WindowCommands, DialogButtonsShowTheirDialogs) {
  const struct {
    ControlId Button;
    ModalDialog Dialog;
    const char* Title;  // the title label as shown
  } cases[] = {
      {ControlId::HotkeyButton, ModalDialog::Hotkey, "Pinyin Display"},
      {ControlId::ToggleHotkeyButton, ModalDialog::Hotkey, "Shape Toggle"},
      {ControlId::KeyboardButton, ModalDialog::Keyboard, "Pinyin Display"},
  };
  for (const auto& c : cases) {
    testing::ScriptedDialogs dialogs;
    auto m = Machine();
    RowSelectionChanged(*m->context, m->window, 1);
    ItemChosen(*m->context, m->window, ControlId::ToggleCombo, 1);
    ButtonClicked(*m->context, m->window, dialogs, c.Button);
    ASSERT_EQ(dialogs.Shown, std::vector<ModalDialog>{c.Dialog});
    const std::string title = c.Dialog == ModalDialog::Hotkey ? dialogs.HotkeyAsShown[0].TitleLabel.Caption
                                                              : dialogs.KeyboardAsShown[0].TitleLabel.Caption;
    EXPECT_EQ(title, c.Title);
  }
}

TEST(WindowCommands, BrowseFillsTheInstallFieldsFromTheChosenFile) {
  testing::ScriptedDialogs dialogs;
  auto m = Machine();
  sim::SimDialogs& files = m->windows.Dialogs;
  const std::string described = m->SystemFile("NEW.IME");
  const std::string bare = "D:\\IMES\\BARE.IME";
  m->windows.Files.Put(bare, sim::SimFile("MZ"));
  files.FileAnswers = {described, std::nullopt, bare, std::nullopt};

  const struct {
    const char* Name;
    std::string Offered;  // the file the dialog starts with
    std::string NameField, FileField;
    bool Install;
  } steps[] = {
      {"a file with a description", "", "New File", described, true},
      {"cancelled: the fields stay", described, "New File", described, true},
      {"a file without a description", "", "", bare, false},
      {"cancelled again", bare, "", bare, false},
  };
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    ButtonClicked(*m->context, m->window, dialogs, ControlId::BrowseButton);
    ASSERT_EQ(files.FileRequests.size(), i + 1);
    const platform::OpenFileRequest& request = files.FileRequests[i];
    EXPECT_EQ(request.FileName, steps[i].Offered) << steps[i].Name;
    EXPECT_EQ(request.InitialDirectory, "C:\\WINDOWS\\system32\\") << steps[i].Name;
    EXPECT_EQ(request.FilterDescription, "*.ime");
    EXPECT_EQ(request.FilterPattern, "*.ime");
    EXPECT_EQ(request.Title, "");
    EXPECT_EQ(request.Owner, platform::BoxOwner::MainWindow);
    EXPECT_EQ(request.Options, 0x1000u | 0x800u | 0x4u | 0x20000u);
    EXPECT_EQ(m->window.InstallNameEdit.Text, steps[i].NameField) << steps[i].Name;
    EXPECT_EQ(m->window.InstallFileEdit.Text, steps[i].FileField) << steps[i].Name;
    EXPECT_EQ(m->window.InstallButton.Enabled, steps[i].Install) << steps[i].Name;
  }
}

TEST(WindowCommands, RenamingInPlaceKeepsTheRowTextWhenRejected) {
  testing::ScriptedDialogs dialogs;
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
    ButtonClicked(*m->context, m->window, dialogs, ControlId::OkButton);
    const std::string id = c.Row == 0 ? "00000409" : "E0010804";
    EXPECT_EQ(m->windows.Registry.PeekString(schema::HKLM, schema::CatalogKey(id), "Layout Display Name").value_or(""),
              c.Stored)
        << c.Name;
  }
}

TEST(WindowCommands, InstallAndRemoveButtonsFollowTheirRules) {
  testing::ScriptedDialogs dialogs;
  // Install: both fields filled; from Windows Vista on the button stays off.
  for (std::uint32_t version : {sim::version::WindowsXP, sim::version::Windows7}) {
    auto m = Machine(version);
    TextChanged(*m->context, m->window, ControlId::InstallNameEdit, "New IME");
    TextChanged(*m->context, m->window, ControlId::InstallFileEdit, m->SystemFile("NEW.IME"));
    ButtonClicked(*m->context, m->window, dialogs, ControlId::InstallButton);
    const bool installs = version == sim::version::WindowsXP;
    EXPECT_EQ(m->windows.InputMethods.Installed.size(), installs ? 1u : 0u) << version;
    EXPECT_EQ(m->HasCatalogKey("E0020409"), installs) << version;
  }
  // Remove: only an IME chosen in AvailableCombo, after the question.
  auto m = Machine();
  ButtonClicked(*m->context, m->window, dialogs, ControlId::RemoveButton);  // disabled at start
  EXPECT_TRUE(m->windows.Dialogs.Shown.empty());
  ItemChosen(*m->context, m->window, ControlId::AvailableCombo, 1);
  ButtonClicked(*m->context, m->window, dialogs, ControlId::RemoveButton);
  ASSERT_EQ(m->windows.Dialogs.Shown.size(), 1u);
  EXPECT_EQ(m->windows.Dialogs.Shown[0].Text, "Do you want to delete E0030804:\"Zhengma File (ZHENGMA.IME)\" ?");
  EXPECT_FALSE(m->HasCatalogKey("E0030804"));
  EXPECT_EQ(m->AvailableIds(), (Ids{"E0020804", "00000407"}));
}

TEST(WindowCommands, ExitAfterEditsLeavesTheRegistryAsLoaded) {
  testing::ScriptedDialogs dialogs;
  auto m = Machine();
  Context& c = *m->context;
  MainWindow& w = m->window;
  const std::string loaded = testing::RegistryDump(m->windows.Registry);
  m->windows.Log.Calls.clear();

  RowSelectionChanged(c, w, 1);
  ButtonClicked(c, w, dialogs, ControlId::DownButton);
  ButtonClicked(c, w, dialogs, ControlId::UpButton);
  LabelEdited(c, w, 1, std::string("Renamed"));
  ButtonClicked(c, w, dialogs, ControlId::DeleteButton);
  ButtonClicked(c, w, dialogs, ControlId::AddButton);
  ButtonClicked(c, w, dialogs, ControlId::PropertiesButton);
  RowDoubleClicked(c, w, dialogs, 5, 0, 154);
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
  // A hotkey for the selected row and for a toggle, and an IME file chosen.
  const auto withF1 = [](std::vector<HotkeyControl> boxes) {
    return [boxes](Context& context, MainWindow& window) {
      HotkeyBoxClicked(window, HotkeyControl::EnableBox, true);
      for (HotkeyControl box : boxes) HotkeyBoxClicked(window, box, true);
      HotkeyKeyChosen(window, 12);
      HotkeyDialogOk(context, window);
    };
  };
  dialogs.Scripts = {withF1({HotkeyControl::CtrlBox}), withF1({HotkeyControl::CtrlBox, HotkeyControl::ShiftBox})};
  RowSelectionChanged(c, w, 0);
  ButtonClicked(c, w, dialogs, ControlId::HotkeyButton);
  ButtonClicked(c, w, dialogs, ControlId::ToggleHotkeyButton);
  m->windows.Dialogs.FileAnswers = {m->SystemFile("NEW.IME")};
  ButtonClicked(c, w, dialogs, ControlId::BrowseButton);
  ASSERT_EQ(w.Settings.PreloadList[0].HotkeyLabel, "Ctrl+F1");
  ASSERT_EQ(w.ToggleHotkeyButton.Caption, "Ctrl+Shift+F1");
  ASSERT_EQ(w.InstallNameEdit.Text, "New File");
  ASSERT_NE(m->PreloadIds(), (Ids{"00000409", "E0010804", "00000804"}));
  ButtonClicked(c, w, dialogs, ControlId::ExitButton);

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
