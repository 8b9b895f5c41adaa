// Runs the conformance suites against the real Win32 calls (under Wine in the
// project's test run). Fixtures the build made for the system directory are
// copied there first.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "conformance/conformance.h"
#include "platform/win32/win32_windows.h"

namespace fennick::conformance {

platform::Platform PlatformUnderTest() {
  static win32::Win32Windows windows;
  return windows.Platform();
}

namespace {

std::wstring ExecutableDirectory() {
  wchar_t path[MAX_PATH];
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring text(path, length);
  return text.substr(0, text.rfind(L'\\') + 1);
}

void InstallSystemFixtures() {
  std::wstring source = ExecutableDirectory() + L"fixtures\\system32\\";
  wchar_t system[MAX_PATH];
  UINT length = GetSystemDirectoryW(system, MAX_PATH);
  std::wstring target = std::wstring(system, length) + L"\\";
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((source + L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    CopyFileW((source + found.cFileName).c_str(), (target + found.cFileName).c_str(), FALSE);
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

}  // namespace
}  // namespace fennick::conformance

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  fennick::conformance::InstallSystemFixtures();
  return RUN_ALL_TESTS();
}
