// What the window tests share: reading the real controls, and fennick's window
// built by the program's own start-up against the registry of the test prefix,
// with the message loop left to the test.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "app/program.h"
#include "conformance/win32/system_fixtures.h"
#include "platform/win32/unicode.h"
#include "platform/win32/win32_windows.h"
#include "registry/context.h"
#include "registry/schema.h"
#include "ui/win32/main_window_view.h"

namespace fennick::win32 {

inline std::string ListCell(HWND list, int row, int column) {
  wchar_t text[256] = {};
  LVITEMW item = {};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = 256;
  const auto length = SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return Narrow(text, static_cast<std::size_t>(length));
}

inline std::vector<std::string> ComboItems(HWND combo) {
  std::vector<std::string> items;
  const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t text[256] = {};
    const auto length = SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    items.push_back(Narrow(text, static_cast<std::size_t>(length)));
  }
  return items;
}

inline bool Checked(HWND box) { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

inline int FontHeightOf(HWND control) {
  LOGFONTW font = {};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
  return font.lfHeight;
}

// Delivers what is queued, as a message loop does.
inline void Pump(HWND dialogWindow = nullptr) {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) continue;
    if (dialogWindow && IsWindow(dialogWindow) && IsDialogMessageW(dialogWindow, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// The program started without arguments, whatever the test program's own
// command line holds.
class NoArguments : public Win32System {
 public:
  std::string CommandLine() override { return "\"C:\\Program Files\\Fennick\\fennick.exe\""; }
};

// The program's front end, noting the window's state at each start-up step;
// instead of running the message loop it only opens the window.
class ObservedView : public MainWindowView {
 public:
  using MainWindowView::MainWindowView;

  void CreateControls(Context& context, MainWindow& window) override {
    MainWindowView::CreateControls(context, window);
    Note("created");
  }
  void PlaceWindow(Context& context, MainWindow& window) override {
    MainWindowView::PlaceWindow(context, window);
    RECT frame;
    GetWindowRect(Ui()->Window(), &frame);
    PlacedHeight = frame.bottom - frame.top;
    Steps.push_back("placed: top " + std::to_string(frame.top));
  }
  void SetUiTexts(Context& context, MainWindow& window) override {
    MainWindowView::SetUiTexts(context, window);
    Note("texts");
  }
  void RunWindow(Context& context, MainWindow& window) override {
    Open(context, window);
    Note("open");
  }

  // Per step: OK's caption, the list's rows, the font height and the style radio.
  std::vector<std::string> Steps;
  int PlacedHeight = 0;

 private:
  void Note(const char* step) {
    MainWindowUi* ui = Ui();
    if (!ui) {
      Steps.push_back(std::string(step) + ": no window");
      return;
    }
    HWND ok = ui->ControlWindow(ControlId::OkButton);
    const auto rows = SendMessageW(ui->ControlWindow(ControlId::PreloadListView), LVM_GETITEMCOUNT, 0, 0);
    Steps.push_back(std::string(step) + ": " + TextOf(ok) + ", " + std::to_string(rows) + " rows, height " +
                    std::to_string(FontHeightOf(ok)) +
                    (Checked(ui->ControlWindow(ControlId::IndicatorRadio)) ? ", legacy radio selected"
                                                                          : ", services radio selected"));
  }
};

// The test prefix's registry holds a small catalog: US, Chinese and German
// layouts and three IMEs whose files the build made (fnkime.ime has the file
// description "Fennick 测试输入法"). Preload: 00000409, 00000804, E0200804.
class ProgramWindowTest : public ::testing::Test {
 protected:
  static constexpr const char* kCatalog[][5] = {
      // LayoutId, Layout Text, Layout File, IME File, Layout Display Name
      {"00000409", "US", "KBDUS.DLL", "", ""},
      {"00000804", "Chinese (Simplified) - US Keyboard", "KBDUS.DLL", "", ""},
      {"00000407", "German", "KBDGR.DLL", "", ""},
      {"00010409", "United States-Dvorak", "KBDDV.DLL", "", ""},
      {"E0200804", "Fennick IME", "kbdus.dll", "fnkime.ime", ""},
      {"E0210804", "Second IME", "KBDGR.DLL", "fnkfirst.ime", "Second IME"},
      {"E0220804", "Third IME", "KBDNONE.DLL", "fnkbare.ime", "Third IME"},
  };

  static void SetUpTestSuite() {
    testing::InstallSystemFixtures();
    // Wine rewrites the first preload value at a process's first look at the
    // loaded layouts; that look is taken here, before any seeding.
    GetKeyboardLayoutList(0, nullptr);
  }

  void SetUp() override {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Keyboard Layout");
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Control Panel\\Input Method\\Hot Keys");
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Control\\Keyboard Layouts");
    for (const auto& entry : kCatalog) {
      RegKey key = context_->Registry.OpenOrCreate(schema::HKLM, schema::CatalogKey(entry[0]));
      context_->Registry.SetString(key, schema::kLayoutTextValue, entry[1]);
      context_->Registry.SetString(key, schema::kLayoutFileValue, entry[2]);
      if (*entry[3]) context_->Registry.SetString(key, schema::kImeFileValue, entry[3]);
      if (*entry[4]) context_->Registry.SetString(key, schema::kLayoutDisplayNameValue, entry[4]);
    }
    RegKey preload = context_->Registry.OpenOrCreate(schema::HKCU, schema::kPreloadKey);
    const char* ids[] = {"00000409", "00000804", "E0200804"};
    for (int n = 1; n <= 3; ++n) context_->Registry.SetString(preload, std::to_string(n), ids[n - 1]);
  }

  void TearDown() override {
    view_.reset();
    Pump();
  }

  // Runs the program's start-up; the window is then open and idle.
  void Start() {
    view_ = std::make_unique<ObservedView>(GetModuleHandleW(nullptr), windows_.Dialogs);
    RunProgram(*context_, *view_, record_);
    ASSERT_TRUE(view_->Ui());
    Pump();
  }

  MainWindowUi& Ui() { return *view_->Ui(); }
  HWND Get(ControlId id) { return Ui().ControlWindow(id); }
  void Click(ControlId id) {
    SendMessageW(Get(id), BM_CLICK, 0, 0);
    Pump();
  }

  // The preload values "1" to "n" as stored.
  std::vector<std::string> PreloadValues() {
    std::vector<std::string> values;
    RegKey key = context_->Registry.OpenForRead(schema::HKCU, schema::kPreloadKey);
    for (int n = 1; context_->Registry.ValueExists(key, std::to_string(n)); ++n) {
      values.push_back(context_->Registry.GetString(key, std::to_string(n)));
    }
    return values;
  }
  std::string CatalogValue(const std::string& layoutId, const char* name) {
    RegKey key = context_->Registry.OpenForRead(schema::HKLM, schema::CatalogKey(layoutId));
    return context_->Registry.GetString(key, name);
  }
  int PlacedHeight() const { return view_->PlacedHeight; }

  Win32Windows windows_;
  NoArguments system_;
  platform::Platform platform_{windows_.Registry, system_,          windows_.Files,   windows_.Dialogs,
                               windows_.Processes, windows_.Keyboard, windows_.InputMethods};
  std::unique_ptr<Context> context_ = std::make_unique<Context>(platform_);
  MainWindow record_;
  std::unique_ptr<ObservedView> view_;
};

}  // namespace fennick::win32
