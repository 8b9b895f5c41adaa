#include "platform/win32/win32_dialogs.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "platform/win32/unicode.h"

namespace fennick::win32 {

HWND Win32Dialogs::OwnerWindow(platform::BoxOwner owner) const {
  switch (owner) {
    case platform::BoxOwner::ApplicationWindow: return ApplicationWindow;
    case platform::BoxOwner::MainWindow: return MainWindow;
    case platform::BoxOwner::ActiveWindow: break;
  }
  return GetActiveWindow();
}

int Win32Dialogs::ShowMessage(platform::BoxOwner owner, const std::string& text, const std::string& title,
                             std::uint32_t style) {
  return MessageBoxW(OwnerWindow(owner), Widen(text).c_str(), Widen(title).c_str(), style);
}

std::optional<std::string> Win32Dialogs::ChooseFileToOpen(const platform::OpenFileRequest& request) {
  // The filter: description and pattern, each ended by a NUL, and one more NUL.
  std::wstring filter = Widen(request.FilterDescription);
  filter.push_back(L'\0');
  filter += Widen(request.FilterPattern);
  filter.push_back(L'\0');
  const std::wstring title = Widen(request.Title);
  const std::wstring directory = Widen(request.InitialDirectory);
  // Room for any path the dialog can give back.
  std::vector<wchar_t> file(32768, L'\0');
  const std::wstring start = Widen(request.FileName);
  start.copy(file.data(), std::min(start.size(), file.size() - 1));

  OPENFILENAMEW dialog = {};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = OwnerWindow(request.Owner);
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrInitialDir = directory.empty() ? nullptr : directory.c_str();
  dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
  dialog.Flags = request.Options | OFN_EXPLORER;
  if (!GetOpenFileNameW(&dialog)) return std::nullopt;
  return Narrow(std::wstring(file.data()));
}

}  // namespace fennick::win32
