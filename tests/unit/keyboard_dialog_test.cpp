// The keyboard-layout chooser on its record: the layouts it offers, the layout
// it names as current, and OK writing the chosen layout's file at once.
#include <gtest/gtest.h>

#include <algorithm>

#include "scripted_dialogs.h"
#include "test_machine.h"
#include "ui/keyboard_dialog.h"
#include "ui/main_window_events.h"

namespace fennick {
namespace {

using testing::ScriptedDialogs;
using testing::TestMachine;
using Texts = std::vector<std::string>;

// The started machine with more catalog entries: Chinese (Traditional),
// French named by a string resource, Japanese whose resource is missing, and
// an IME whose key name is in lower case. The registry lists keys in order,
// without regard to case.
std::unique_ptr<TestMachine> Started(std::uint32_t version = sim::version::WindowsXP, std::uint32_t locale = 0x0409) {
  return testing::StartedMachine(version, locale, [](TestMachine& m) {
    m.AddLayout({"00000404", "Chinese (Traditional) - US Keyboard", "", "", "KBDUS.DLL"});
    m.AddLayout({"0000040C", "French", "@%SystemRoot%\\system32\\input.dll,-5040", "", "kbdfr.dll"});
    m.AddLayout({"00000411", "Japanese", "@input.dll,-9999", "", "KBDJPN.DLL"});
    m.AddLayout({"e0050804", "Cangjie", "", "PINYIN.IME", "KBDUS.DLL"});
    m.windows.Files.Put(m.SystemFile("input.dll"), sim::StringImage({{5040, "French (Legacy)"}}));
  });
}

// Picks the layout of that name and presses OK.
ScriptedDialogs::Script ChooseAndOk(const std::string& name) {
  return [name](Context& context, MainWindow& window) {
    const Texts& items = window.KeyboardChooser.LayoutChoice.Items;
    KeyboardLayoutChosen(window, static_cast<int>(std::find(items.begin(), items.end(), name) - items.begin()));
    KeyboardDialogOk(context, window);
  };
}

std::string StoredLayoutFile(const TestMachine& m, const std::string& layoutId) {
  return m.windows.Registry.PeekString(schema::HKLM, schema::CatalogKey(layoutId), "Layout File").value_or("(none)");
}

TEST(KeyboardDialog, OffersThePlainLayoutsWithTheUsLayoutFirst) {
  auto m = Started();
  const KeyboardDialog& d = m->window.KeyboardChooser;
  EXPECT_EQ(d.LayoutIds, (Texts{"00000409", "00000407", "0000040C", "00000411", "00010409"}));
  EXPECT_EQ(d.LayoutChoice.Items, (Texts{"US", "German", "French (Legacy)", "Japanese", "United States-Dvorak"}));
  EXPECT_EQ(d.LayoutFiles, (Texts{"KBDUS.DLL", "KBDGR.DLL", "KBDFR.DLL", "KBDJPN.DLL", "KBDDV.DLL"}));
  EXPECT_EQ(d.LayoutChoice.Current, -1);
  EXPECT_EQ(d.TitleLabel.Caption, "IME");

  // Built once: a layout registered later is not offered in this run.
  m->AddLayout({"00000408", "Greek", "", "", "KBDHE.DLL"});
  ScriptedDialogs dialogs;
  ButtonClicked(*m->context, m->window, dialogs, ControlId::KeyboardButton);
  EXPECT_EQ(dialogs.KeyboardAsShown.at(0).LayoutIds.size(), 5u);
}

TEST(KeyboardDialog, TheCurrentBoxNamesTheLayoutInUse) {
  const struct {
    const char* Name;
    const char* File;  // "Layout File" of the selected row's entry; null: none
    const char* Current;
  } cases[] = {
      {"KBDUS.DLL in lower case", "kbdus.dll", "US"},
      {"in mixed case", "KbdGr.Dll", "German"},
      {"a file no offered layout uses", "kbdxx.dll", "KBDXX.DLL"},
      {"no layout file", nullptr, ""},
  };
  for (const auto& c : cases) {
    auto m = Started();
    const std::string key = schema::CatalogKey("E0010804");
    if (c.File) {
      m->windows.Registry.PutString(schema::HKLM, key, "Layout File", c.File);
    } else {
      RegKey writable = m->context->Registry.OpenForWrite(schema::HKLM, key);
      m->context->Registry.DeleteValue(writable, "Layout File");
    }
    ScriptedDialogs dialogs;
    RowSelectionChanged(*m->context, m->window, 1);
    ChooseKeyboard(*m->context, m->window, dialogs);
    ASSERT_EQ(dialogs.Shown, std::vector<ModalDialog>{ModalDialog::Keyboard});
    EXPECT_EQ(dialogs.KeyboardAsShown[0].CurrentBox.Text, c.Current) << c.Name;
    EXPECT_EQ(dialogs.KeyboardAsShown[0].TitleLabel.Caption, "Pinyin Display") << c.Name;
  }
}

TEST(KeyboardDialog, OkWritesTheChosenFileAtOnce) {
  const struct {
    const char* Name;
    int Row;
    std::vector<ScriptedDialogs::Script> Scripts;
    std::string Stored;  // "Layout File" of the row's entry afterwards
  } cases[] = {
      {"an IME gets the German layout", 1, {ChooseAndOk("German")}, "KBDGR.DLL"},
      {"a plain layout too", 2, {ChooseAndOk("United States-Dvorak")}, "KBDDV.DLL"},
      {"Cancel writes nothing", 1,
       {[](Context&, MainWindow& window) {
         KeyboardLayoutChosen(window, 1);
         KeyboardDialogCancel(window);
       }},
       "kbdus.dll"},
      {"the frame's close box writes nothing", 1, {nullptr}, "kbdus.dll"},
      {"OK before any layout was chosen writes nothing", 1,
       {[](Context& context, MainWindow& window) { KeyboardDialogOk(context, window); }}, "kbdus.dll"},
  };
  for (const auto& c : cases) {
    auto m = Started();
    const std::string id = m->PreloadIds()[c.Row];
    const std::string before = StoredLayoutFile(*m, id);
    ScriptedDialogs dialogs;
    for (const auto& script : c.Scripts) {
      if (script) dialogs.Scripts.push_back(script);
    }
    RowSelectionChanged(*m->context, m->window, c.Row);
    const std::string registry = testing::RegistryDump(m->windows.Registry);
    ButtonClicked(*m->context, m->window, dialogs, ControlId::KeyboardButton);
    EXPECT_EQ(StoredLayoutFile(*m, id), c.Stored) << c.Name;
    if (c.Stored == before) {
      EXPECT_EQ(testing::RegistryDump(m->windows.Registry), registry) << c.Name;
    }
    EXPECT_EQ(m->window.KeyboardChooser.Result, DialogResult::None) << c.Name;
    // Nothing in the working settings changed, and nothing was reloaded.
    EXPECT_EQ(m->PreloadIds(), (std::vector<std::string>{"00000409", "E0010804", "00000804"})) << c.Name;
  }
}

TEST(KeyboardDialog, TheChoiceStaysWrittenWhenTheWindowExitsAndStaysChosen) {
  auto m = Started();
  ScriptedDialogs dialogs;
  dialogs.Scripts = {ChooseAndOk("French (Legacy)"), [](Context& context, MainWindow& window) {
                       KeyboardDialogOk(context, window);  // the choice of the last use
                     }};
  RowSelectionChanged(*m->context, m->window, 1);
  ButtonClicked(*m->context, m->window, dialogs, ControlId::KeyboardButton);
  // Shown again for another row: the current box names that row's layout, the
  // choice is the one made before, and OK writes it for this row.
  RowSelectionChanged(*m->context, m->window, 0);
  ButtonClicked(*m->context, m->window, dialogs, ControlId::KeyboardButton);
  EXPECT_EQ(dialogs.KeyboardAsShown[1].CurrentBox.Text, "US");
  EXPECT_EQ(dialogs.KeyboardAsShown[1].LayoutChoice.Current, 2);
  ButtonClicked(*m->context, m->window, dialogs, ControlId::ExitButton);
  EXPECT_TRUE(m->window.CloseRequested);
  EXPECT_EQ(StoredLayoutFile(*m, "E0010804"), "KBDFR.DLL");
  EXPECT_EQ(StoredLayoutFile(*m, "00000409"), "KBDFR.DLL");
}

TEST(KeyboardDialog, WithoutARowNothingIsNamedOrWritten) {
  auto m = Started();
  m->window.PreloadListView.Selected = -1;
  ScriptedDialogs dialogs;
  dialogs.Scripts = {ChooseAndOk("German")};
  const std::string registry = testing::RegistryDump(m->windows.Registry);
  ButtonClicked(*m->context, m->window, dialogs, ControlId::KeyboardButton);
  ASSERT_EQ(dialogs.Shown.size(), 1u);
  EXPECT_EQ(dialogs.KeyboardAsShown[0].TitleLabel.Caption, "");
  EXPECT_EQ(dialogs.KeyboardAsShown[0].CurrentBox.Text, "");
  EXPECT_EQ(testing::RegistryDump(m->windows.Registry), registry);
}

TEST(KeyboardDialog, TextsAndFontByLanguageAndVersion) {
  const struct {
    std::uint32_t Version;
    std::uint32_t Locale;
    int Font;
    Texts Captions;  // title, current label, new label, OK, Cancel
  } cases[] = {
      {sim::version::WindowsXP, 0x0409, -11, {"KeyBoard", "Current: ", "New: ", "OK", "Cancel"}},
      {sim::version::Windows7, 0x0804, -11, {"键盘", "当前: ", "修改为: ", "确认", "取消"}},
      {sim::version::Windows2003, 0x0404, -12, {"鍵盤", "當前: ", "修改為: ", "確定", "放棄"}},
      {sim::version::Windows98, 0x0409, -12, {"KeyBoard", "Current: ", "New: ", "OK", "Cancel"}},
      {sim::version::Windows2000, 0x0411, -11, {"KeyBoard", "Current: ", "New: ", "OK", "Cancel"}},
  };
  for (const auto& c : cases) {
    auto m = Started(c.Version, c.Locale);
    const KeyboardDialog& d = m->window.KeyboardChooser;
    EXPECT_EQ(d.FontHeight, c.Font) << c.Version;
    EXPECT_EQ((Texts{d.Title, d.CurrentLabel.Caption, d.NewLabel.Caption, d.OkButton.Caption, d.CancelButton.Caption}),
              c.Captions)
        << c.Version;
  }
}

}  // namespace
}  // namespace fennick
