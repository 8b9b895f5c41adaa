// Files the build made for the system directory (build/win/fixtures/system32,
// beside the test program) are copied into the system directory, where the
// program looks for IME files and libraries.
#pragma once

#include <windows.h>

#include <string>

namespace fennick::testing {

inline std::wstring ExecutableDirectory() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::wstring text(path, length);
  return text.substr(0, text.rfind(L'\\') + 1);
}

inline std::wstring SystemDirectoryPath() {
  wchar_t system[MAX_PATH];
  const UINT length = GetSystemDirectoryW(system, MAX_PATH);
  return std::wstring(system, length) + L"\\";
}

inline void InstallSystemFixtures() {
  const std::wstring source = ExecutableDirectory() + L"fixtures\\system32\\";
  const std::wstring target = SystemDirectoryPath();
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((source + L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    CopyFileW((source + found.cFileName).c_str(), (target + found.cFileName).c_str(), FALSE);
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

}  // namespace fennick::testing
