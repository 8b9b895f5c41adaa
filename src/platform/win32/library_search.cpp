#include "platform/win32/library_search.h"

#include <windows.h>

namespace fennick::win32 {

void RestrictLibrarySearch() {
  // SetDefaultDllDirectories exists from Windows 7 (and Vista with KB2533623)
  // on; look it up so the program still starts where it does not.
  using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
  HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFunction>(
      reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
  if (setDefault) setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
  // Older systems: at least take the current directory out of the search.
  SetDllDirectoryW(L"");
}

}  // namespace fennick::win32
