#include "platform/win32/win32_system.h"

#include <windows.h>

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

}  // namespace fennick::win32
