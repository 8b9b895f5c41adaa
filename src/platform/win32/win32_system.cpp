#include "platform/win32/win32_system.h"

#include <windows.h>

#include <cwchar>

#include "platform/win32/unicode.h"

namespace fennick::win32 {

std::uint32_t Win32System::DefaultLocale() { return GetSystemDefaultLCID(); }

std::uint32_t Win32System::VersionValue() { return GetVersion(); }

std::string Win32System::CommandLine() { return Narrow(GetCommandLineW()); }

std::string Win32System::ExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) return Narrow(path.data(), length);
    path.resize(path.size() * 2);
  }
}

std::string Win32System::SystemDirectory() {
  UINT length = GetSystemDirectoryW(nullptr, 0);
  std::wstring path(length, L'\0');
  length = GetSystemDirectoryW(path.data(), length);
  return Narrow(path.data(), length);
}

std::string Win32System::ExpandEnvironment(const std::string& text) {
  std::wstring source = Widen(text);
  std::wstring expanded(source.size() + 1, L'\0');
  for (;;) {
    // The result counts the terminating NUL.
    DWORD needed = ExpandEnvironmentStringsW(source.c_str(), expanded.data(), static_cast<DWORD>(expanded.size()));
    if (needed == 0) return text;
    if (needed <= expanded.size()) return Narrow(expanded.data(), wcsnlen(expanded.data(), expanded.size()));
    expanded.assign(needed, L'\0');
  }
}

std::string Win32System::WindowsDirectory() {
  UINT length = GetWindowsDirectoryW(nullptr, 0);
  std::wstring path(length, L'\0');
  length = GetWindowsDirectoryW(path.data(), length);
  return Narrow(path.data(), length);
}

}  // namespace fennick::win32
