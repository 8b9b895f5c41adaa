// The window classes of the program's top-level windows, by which helpers
// that drive the program from outside find them.
#pragma once

namespace fennick::win32 {

constexpr wchar_t kMainWindowClass[] = L"FennickMainWindow";
constexpr wchar_t kHotkeyDialogClass[] = L"FennickHotkeyDialog";
constexpr wchar_t kKeyboardDialogClass[] = L"FennickKeyboardDialog";

}  // namespace fennick::win32
