// The dialogs opened from the real main window and driven through their real
// controls: the hotkey editor, the keyboard-layout chooser, the open-file
// dialog of Browse and the removal's question. Each effect is checked in the
// window and in the registry of the test prefix.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <dlgs.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "common/text.h"
#include "program_window.h"
#include "ui/win32/dialog_views.h"

namespace fennick::win32 {
namespace {

using Id = ControlId;

// Runs an action once a window of this thread is visible, from inside the
// modal loop that shows it: a timer looks for the window every 20 ms.
class WhenShown {
 public:
  using Find = std::function<HWND()>;
  using Action = std::function<void(HWND)>;

  WhenShown(Find find, Action action) : find_(std::move(find)), action_(std::move(action)) {
    timer_ = SetTimer(nullptr, 0, 20, Tick);
    Pending().push_back(this);
  }
  ~WhenShown() {
    if (timer_) KillTimer(nullptr, timer_);
    auto& pending = Pending();
    pending.erase(std::remove(pending.begin(), pending.end(), this), pending.end());
  }
  bool Done() const { return done_; }

 private:
  static std::vector<WhenShown*>& Pending() {
    static std::vector<WhenShown*> pending;
    return pending;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD) {
    for (WhenShown* waiting : Pending()) {
      if (waiting->timer_ != timer) continue;
      HWND window = waiting->find_();
      if (!window || !IsWindowVisible(window)) return;
      KillTimer(nullptr, timer);
      waiting->timer_ = 0;
      waiting->done_ = true;
      waiting->action_(window);  // may run a nested modal loop
      return;
    }
  }

  Find find_;
  Action action_;
  UINT_PTR timer_ = 0;
  bool done_ = false;
};

// A visible system dialog (a message box or the open-file dialog) of this thread.
HWND SystemDialog() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM result) -> BOOL {
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (std::wstring(name) != L"#32770" || !IsWindowVisible(window)) return TRUE;
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// The texts of a window's static controls: a message box's text among them.
std::vector<std::string> StaticTexts(HWND window) {
  std::vector<std::string> texts;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM result) -> BOOL {
        wchar_t name[16] = {};
        GetClassNameW(child, name, 16);
        if (std::wstring(name) == L"Static") reinterpret_cast<std::vector<std::string>*>(result)->push_back(TextOf(child));
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&texts));
  return texts;
}

bool Contains(const std::vector<std::string>& texts, const std::string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

void Press(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }

// The user picks item `index` of a drop-down list: it changes and tells its dialog.
void Pick(HWND dialog, HWND combo, int index) {
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

SIZE ClientSize(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  return {client.right, client.bottom};
}

class DialogWindowTest : public ProgramWindowTest {
 protected:
  HotkeyDialogUi& Hotkey() { return *view_->Dialogs().Hotkey(); }
  KeyboardDialogUi& Keyboard() { return *view_->Dialogs().Keyboard(); }
  HWND Of(HotkeyControl control) { return Hotkey().ControlOf(control); }
  HWND Of(KeyboardControl control) { return Keyboard().ControlOf(control); }

  void SelectRow(int row) {
    LVITEMW state = {};
    state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(Get(Id::PreloadListView), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
    Pump();
    ASSERT_EQ(record_.PreloadListView.Selected, row);
  }
  void Choose(Id id, int index) {
    HWND combo = Get(id);
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(DialogId(id), CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    Pump();
  }
  // The four bytes of a hotkey record's value, least significant first.
  std::vector<std::uint8_t> RecordBytes(std::uint32_t number, const char* name) {
    std::vector<std::uint8_t> bytes(4, 0xEE);
    RegKey key = context_->Registry.OpenForRead(schema::HKCU, schema::HotKeyRecordKey(number));
    context_->Registry.GetBytes(key, name, bytes.data(), 4);
    return bytes;
  }
  int KeyIndex(const std::string& name) {
    const auto& items = record_.HotkeyEditor.KeyChoice.Items;
    return static_cast<int>(std::find(items.begin(), items.end(), name) - items.begin());
  }
};

TEST_F(DialogWindowTest, HotkeyEditorSetsARowsHotkey) {
  Start();
  HWND dialog = Hotkey().Window();
  ASSERT_TRUE(dialog);
  EXPECT_FALSE(IsWindowVisible(dialog)) << "created hidden";
  EXPECT_EQ(GetWindow(dialog, GW_OWNER), Ui().ApplicationWindow());
  SelectRow(2);

  std::vector<std::string> seen;
  WhenShown user([dialog] { return dialog; }, [&](HWND) {
    EXPECT_FALSE(IsWindowEnabled(Ui().Window())) << "modal over the main window";
    const SIZE client = ClientSize(dialog);
    EXPECT_EQ(client.cx, 193);
    EXPECT_EQ(client.cy, 189);
    EXPECT_EQ(FontHeightOf(Of(HotkeyControl::EnableBox)), record_.HotkeyEditor.FontHeight);
    seen = {TextOf(dialog), TextOf(Of(HotkeyControl::TitleLabel)), Checked(Of(HotkeyControl::EnableBox)) ? "on" : "off",
            IsWindowEnabled(Of(HotkeyControl::CtrlBox)) ? "enabled" : "disabled"};
    Press(Of(HotkeyControl::EnableBox));
    EXPECT_TRUE(IsWindowEnabled(Of(HotkeyControl::CtrlBox)));
    EXPECT_TRUE(Checked(Of(HotkeyControl::LeftBox)) && Checked(Of(HotkeyControl::RightBox)));
    Press(Of(HotkeyControl::CtrlBox));
    Press(Of(HotkeyControl::ShiftBox));
    Press(Of(HotkeyControl::LeftBox));
    Pick(dialog, Of(HotkeyControl::KeyChoice), KeyIndex("F1"));
    Press(Of(HotkeyControl::OkButton));
  });
  Click(Id::HotkeyButton);
  ASSERT_TRUE(user.Done());
  EXPECT_EQ(seen, (std::vector<std::string>{"Hotkey", "Fennick IME", "off", "disabled"}));
  EXPECT_FALSE(IsWindowVisible(dialog)) << "hidden again";
  EXPECT_TRUE(IsWindowEnabled(Ui().Window()));
  EXPECT_EQ(ListCell(Get(Id::PreloadListView), 2, 1), "Right Ctrl+Shift+F1");

  Click(Id::ApplyButton);
  EXPECT_EQ(RecordBytes(0x100, "Key Modifiers"), (std::vector<std::uint8_t>{0x06, 0x40, 0, 0}));
  EXPECT_EQ(RecordBytes(0x100, "Virtual Key"), (std::vector<std::uint8_t>{0x70, 0, 0, 0}));
  EXPECT_EQ(RecordBytes(0x100, "Target IME"), (std::vector<std::uint8_t>{0x04, 0x08, 0x20, 0xE0}));
}

TEST_F(DialogWindowTest, ADuplicateHotkeyIsReportedAndRejected) {
  {
    RegKey record = context_->Registry.OpenOrCreate(schema::HKCU, schema::HotKeyRecordKey(0x100));
    const std::uint8_t modifiers[] = {0x06, 0xC0, 0, 0}, key[] = {0x31, 0, 0, 0}, target[] = {0x04, 0x08, 0x20, 0xE0};
    context_->Registry.SetBytes(record, "Key Modifiers", modifiers, 4);
    context_->Registry.SetBytes(record, "Virtual Key", key, 4);
    context_->Registry.SetBytes(record, "Target IME", target, 4);
  }
  Start();
  ASSERT_EQ(ListCell(Get(Id::PreloadListView), 2, 1), "Ctrl+Shift+1");
  SelectRow(0);
  HWND dialog = Hotkey().Window();
  std::vector<std::string> message;
  std::string title;
  WhenShown box(SystemDialog, [&](HWND found) {
    message = StaticTexts(found);
    title = TextOf(found);
    SendMessageW(found, WM_COMMAND, IDOK, 0);
  });
  WhenShown user([dialog] { return dialog; }, [&](HWND) {
    Press(Of(HotkeyControl::EnableBox));
    Press(Of(HotkeyControl::CtrlBox));
    Press(Of(HotkeyControl::ShiftBox));
    Pick(dialog, Of(HotkeyControl::KeyChoice), KeyIndex("1"));
    Press(Of(HotkeyControl::OkButton));
  });
  Click(Id::HotkeyButton);
  ASSERT_TRUE(box.Done());
  EXPECT_TRUE(Contains(message, "Duplicate hotkey!"));
  EXPECT_EQ(title, "Fennick");
  EXPECT_EQ(ListCell(Get(Id::PreloadListView), 0, 1), "");
  EXPECT_EQ(ListCell(Get(Id::PreloadListView), 2, 1), "Ctrl+Shift+1");
}

TEST_F(DialogWindowTest, HotkeyEditorSetsAToggleAndEscapeCancels) {
  Start();
  Choose(Id::ToggleCombo, 1);
  HWND dialog = Hotkey().Window();
  WhenShown set([dialog] { return dialog; }, [&](HWND) {
    EXPECT_EQ(TextOf(Of(HotkeyControl::TitleLabel)), "Shape Toggle");
    Press(Of(HotkeyControl::EnableBox));
    Press(Of(HotkeyControl::AltBox));
    Pick(dialog, Of(HotkeyControl::KeyChoice), KeyIndex("A"));
    Press(Of(HotkeyControl::OkButton));
  });
  Click(Id::ToggleHotkeyButton);
  ASSERT_TRUE(set.Done());
  EXPECT_EQ(TextOf(Get(Id::ToggleHotkeyButton)), "Alt+A");

  // Escape closes the dialog as Cancel: the toggle keeps its hotkey.
  WhenShown escape([dialog] { return dialog; }, [&](HWND) {
    Press(Of(HotkeyControl::AltBox));
    SetFocus(Of(HotkeyControl::CtrlBox));
    PostMessageW(Of(HotkeyControl::CtrlBox), WM_KEYDOWN, VK_ESCAPE, 0);
  });
  Click(Id::ToggleHotkeyButton);
  ASSERT_TRUE(escape.Done());
  EXPECT_EQ(TextOf(Get(Id::ToggleHotkeyButton)), "Alt+A");
  EXPECT_FALSE(IsWindowVisible(dialog));
}

TEST_F(DialogWindowTest, KeyboardChooserWritesTheLayoutFileAtOnce) {
  Start();
  HWND dialog = Keyboard().Window();
  ASSERT_TRUE(dialog);
  EXPECT_FALSE(IsWindowVisible(dialog));
  SelectRow(2);
  std::vector<std::string> seen;
  WhenShown user([dialog] { return dialog; }, [&](HWND) {
    const SIZE client = ClientSize(dialog);
    EXPECT_EQ(client.cx, 255);
    EXPECT_EQ(client.cy, 124);
    EXPECT_EQ(ComboItems(Of(KeyboardControl::LayoutChoice)),
              (std::vector<std::string>{"US", "German", "United States-Dvorak"}));
    seen = {TextOf(dialog), TextOf(Of(KeyboardControl::TitleLabel)), TextOf(Of(KeyboardControl::CurrentBox))};
    Pick(dialog, Of(KeyboardControl::LayoutChoice), 1);
    Press(Of(KeyboardControl::OkButton));
  });
  Click(Id::KeyboardButton);
  ASSERT_TRUE(user.Done());
  // KBDUS.DLL in lower case is the US layout's file.
  EXPECT_EQ(seen, (std::vector<std::string>{"KeyBoard", "Fennick IME", "US"}));
  EXPECT_EQ(CatalogValue("E0200804", "Layout File"), "KBDGR.DLL") << "written at once";

  // Shown again: the current box names the new layout. Exit keeps the choice.
  std::string current;
  WhenShown again([dialog] { return dialog; }, [&](HWND) {
    current = TextOf(Of(KeyboardControl::CurrentBox));
    PostMessageW(dialog, WM_CLOSE, 0, 0);
  });
  Click(Id::KeyboardButton);
  ASSERT_TRUE(again.Done());
  EXPECT_EQ(current, "German");
  Click(Id::ExitButton);
  EXPECT_EQ(CatalogValue("E0200804", "Layout File"), "KBDGR.DLL");
}

TEST_F(DialogWindowTest, BrowseFillsTheInstallFieldsFromTheChosenFile) {
  Start();
  const std::string file = Narrow(testing::SystemDirectoryPath()) + "fnkime.ime";
  std::string offered = "unset";
  auto confirm = [&](HWND dialog) {
    HWND name = GetDlgItem(dialog, cmb13);
    if (!name || !IsWindowVisible(name)) name = GetDlgItem(dialog, edt1);
    offered = TextOf(name);
    SetWindowTextW(name, Widen(file).c_str());
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  };
  WhenShown first(SystemDialog, confirm);
  Click(Id::BrowseButton);
  ASSERT_TRUE(first.Done());
  EXPECT_EQ(offered, "");
  EXPECT_TRUE(EqualsIgnoreCase(TextOf(Get(Id::InstallFileEdit)), file)) << TextOf(Get(Id::InstallFileEdit));
  EXPECT_EQ(TextOf(Get(Id::InstallNameEdit)), "Fennick 测试输入法");

  // The next time the dialog offers that file; cancelling leaves the fields.
  WhenShown second(SystemDialog, [&](HWND dialog) {
    HWND name = GetDlgItem(dialog, cmb13);
    if (!name || !IsWindowVisible(name)) name = GetDlgItem(dialog, edt1);
    offered = TextOf(name);
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  });
  Click(Id::BrowseButton);
  ASSERT_TRUE(second.Done());
  // The dialog opens the file's folder and names the file in its box.
  EXPECT_TRUE(EqualsIgnoreCase(offered, file) || EqualsIgnoreCase(offered, "fnkime.ime")) << offered;
  EXPECT_EQ(TextOf(Get(Id::InstallNameEdit)), "Fennick 测试输入法");
}

TEST_F(DialogWindowTest, RemovalAsksThroughAMessageBox) {
  Start();
  ASSERT_EQ(ComboItems(Get(Id::AvailableCombo))[0], "Second IME");
  Choose(Id::AvailableCombo, 0);
  ASSERT_TRUE(IsWindowEnabled(Get(Id::RemoveButton)));
  std::vector<std::string> texts;
  std::string title;
  bool okAndCancel = false;
  WhenShown box(SystemDialog, [&](HWND found) {
    texts = StaticTexts(found);
    title = TextOf(found);
    okAndCancel = GetDlgItem(found, IDOK) && GetDlgItem(found, IDCANCEL);
    SendMessageW(found, WM_COMMAND, IDOK, 0);
  });
  Click(Id::RemoveButton);
  ASSERT_TRUE(box.Done());
  EXPECT_EQ(title, "Warning!");
  EXPECT_TRUE(Contains(texts, "Do you want to delete E0210804:\"Second IME (FNKFIRST.IME)\" ?"));
  EXPECT_TRUE(okAndCancel);
  EXPECT_EQ(CatalogValue("E0210804", "IME File"), "") << "the catalog key is gone";
  EXPECT_EQ(ComboItems(Get(Id::AvailableCombo)), (std::vector<std::string>{"Third IME", "German"}));
}

}  // namespace
}  // namespace fennick::win32
