// Entry of fennick.exe.
#include <windows.h>

#include "app/program.h"
#include "platform/win32/library_search.h"
#include "platform/win32/win32_windows.h"
#include "ui/win32/main_window_view.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  fennick::win32::RestrictLibrarySearch();
  fennick::win32::Win32Windows windows;
  fennick::Context context(windows.Platform());
  fennick::win32::MainWindowView view(instance, windows.Dialogs);
  return fennick::RunProgram(context, view);
}
