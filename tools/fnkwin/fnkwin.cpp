// Drives fennick.exe's window from another process, for screenshots: waits
// for the window, shows a page of its tab control through the control itself,
// closes the window.
//
//   fnkwin [/desktop:NAME] wait        waits up to 30 s for the window to be visible
//   fnkwin [/desktop:NAME] page N      makes tab N (0, 1, 2) the current page
//   fnkwin [/desktop:NAME] close       asks the window to close, as its close box does
//   fnkwin [/desktop:NAME] click NAME  clicks a button of the main window: ok, apply,
//                                      exit, up, down, delete, add, hotkey, properties,
//                                      keyboard
//   fnkwin [/desktop:NAME] row N       selects row N of the main list, as the arrow keys do
//   fnkwin [/desktop:NAME] dialog hotkey|keyboard wait|cancel|ok|pick N
//                                      waits up to 30 s for the dialog to be visible,
//                                      closes it by its frame's close box, clicks its OK
//                                      button, or picks item N of its drop-down list
//
// Wine's "explorer /desktop=NAME" runs programs on a desktop of that name;
// this helper works on the same desktop to find the window there.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "ui/win32/main_window_layout.h"
#include "ui/win32/window_classes.h"

namespace {

HWND FindMainWindow() { return FindWindowW(fennick::win32::kMainWindowClass, nullptr); }

HWND FindTabs(HWND window) {
  HWND found = nullptr;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM result) -> BOOL {
        wchar_t name[64];
        GetClassNameW(child, name, 64);
        if (std::wstring(name) != WC_TABCONTROLW) return TRUE;
        *reinterpret_cast<HWND*>(result) = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

int Fail(const char* what) {
  std::fprintf(stderr, "fnkwin: %s\n", what);
  return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  int next = 1;
  const wchar_t* desktopName = nullptr;
  if (next < argc && std::wstring(argv[next]).rfind(L"/desktop:", 0) == 0) desktopName = argv[next++] + 9;
  if (next >= argc) return Fail("usage: fnkwin [/desktop:NAME] wait | page N | close | click BUTTON");
  const std::wstring command = argv[next];

  // The desktop and the window may not exist yet when waiting; other commands
  // find them at once or fail.
  const int attempts = command == L"wait" ? 300 : 1;
  HWND window = nullptr;
  bool onDesktop = desktopName == nullptr;
  for (int i = 0; i < attempts && !(window && IsWindowVisible(window)); ++i) {
    if (i > 0) Sleep(100);
    if (!onDesktop) {
      HDESK desktop = OpenDesktopW(desktopName, 0, FALSE, GENERIC_ALL);
      onDesktop = desktop && SetThreadDesktop(desktop);
    }
    if (onDesktop) window = FindMainWindow();
  }
  if (!window) return Fail(onDesktop ? "no window" : "no such desktop");
  if (command == L"wait") return IsWindowVisible(window) ? 0 : Fail("the window is not visible");

  if (command == L"page" && next + 1 < argc) {
    HWND tabs = FindTabs(window);
    if (!tabs) return Fail("no tab control");
    const int page = _wtoi(argv[next + 1]);
    // Moving the tab control's focus changes its page and makes it notify its
    // parent, as a click on the tab does. The first move may only set the focus.
    for (int i = 0; i < 2 && SendMessageW(tabs, TCM_GETCURSEL, 0, 0) != page; ++i) {
      SendMessageW(tabs, TCM_SETCURFOCUS, static_cast<WPARAM>(page), 0);
    }
    return SendMessageW(tabs, TCM_GETCURSEL, 0, 0) == page ? 0 : Fail("the page did not change");
  }
  if (command == L"row" && next + 1 < argc) {
    HWND list = GetDlgItem(window, fennick::win32::DialogId(fennick::ControlId::PreloadListView));
    if (!list) return Fail("no list");
    PostMessageW(list, WM_KEYDOWN, VK_HOME, 0);
    for (int row = _wtoi(argv[next + 1]); row > 0; --row) PostMessageW(list, WM_KEYDOWN, VK_DOWN, 0);
    return 0;
  }
  if (command == L"dialog" && next + 2 < argc) {
    const std::wstring which = argv[next + 1];
    const wchar_t* dialogClass = which == L"hotkey"     ? fennick::win32::kHotkeyDialogClass
                                 : which == L"keyboard" ? fennick::win32::kKeyboardDialogClass
                                                        : nullptr;
    if (!dialogClass) return Fail("no such dialog");
    HWND dialog = FindWindowW(dialogClass, nullptr);
    if (!dialog) return Fail("no dialog");
    const std::wstring action = argv[next + 2];
    if (action == L"cancel") {
      PostMessageW(dialog, WM_CLOSE, 0, 0);
      return 0;
    }
    if (action == L"ok") {
      PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
      return 0;
    }
    if (action == L"pick" && next + 3 < argc) {
      HWND combo = FindWindowExW(dialog, nullptr, WC_COMBOBOXW, nullptr);
      if (!combo) return Fail("no drop-down list");
      PostMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(_wtoi(argv[next + 3])), 0);
      PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
      return 0;
    }
    for (int i = 0; i < 300 && !IsWindowVisible(dialog); ++i) Sleep(100);
    return IsWindowVisible(dialog) ? 0 : Fail("the dialog is not visible");
  }
  if (command == L"close") {
    PostMessageW(window, WM_CLOSE, 0, 0);
    return 0;
  }
  if (command == L"click" && next + 1 < argc) {
    const std::wstring name = argv[next + 1];
    using fennick::ControlId;
    const struct {
      const wchar_t* Name;
      ControlId Button;
    } buttons[] = {
        {L"ok", ControlId::OkButton},         {L"apply", ControlId::ApplyButton},
        {L"exit", ControlId::ExitButton},     {L"up", ControlId::UpButton},
        {L"down", ControlId::DownButton},     {L"delete", ControlId::DeleteButton},
        {L"add", ControlId::AddButton},       {L"hotkey", ControlId::HotkeyButton},
        {L"properties", ControlId::PropertiesButton}, {L"keyboard", ControlId::KeyboardButton},
    };
    ControlId button = ControlId::None;
    for (const auto& entry : buttons) {
      if (name == entry.Name) button = entry.Button;
    }
    HWND control = GetDlgItem(window, fennick::win32::DialogId(button));
    if (!control) return Fail("no such button");
    // Posted, so that this helper does not wait while the window handles it.
    PostMessageW(control, BM_CLICK, 0, 0);
    return 0;
  }
  return Fail("unknown command");
}
