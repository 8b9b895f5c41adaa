// The running Windows version, classified once from the GetVersion value.
#pragma once

#include <cstdint>

namespace fennick {

enum class WindowsVersionClass { Win31, Win95, Win98, WinMe, WinNT, Win2000, WinXP, Win2003, WinVista };

struct WindowsVersion {
  WindowsVersionClass Class = WindowsVersionClass::WinXP;
  std::uint8_t Major = 5;
  std::uint8_t Minor = 1;

  // Major version exactly 6 and minor version 1 or more (6.1 is also class WinXP).
  bool IsWindows7OrLater() const { return Major == 6 && Minor >= 1; }
  bool IsWin9xFamily() const {
    return Class == WindowsVersionClass::Win95 || Class == WindowsVersionClass::Win98 ||
           Class == WindowsVersionClass::WinMe;
  }
  bool IsNtFamily() const {
    return Class == WindowsVersionClass::WinNT || Class == WindowsVersionClass::Win2000 ||
           Class == WindowsVersionClass::WinXP || Class == WindowsVersionClass::Win2003 ||
           Class == WindowsVersionClass::WinVista || IsWindows7OrLater();
  }
  bool IsVistaOrLater() const { return Class == WindowsVersionClass::WinVista || IsWindows7OrLater(); }
};

// Low byte of the GetVersion value: major version; next byte: minor version; the
// high bit set: the Windows 95 line.
WindowsVersion ClassifyWindowsVersion(std::uint32_t getVersionValue);

}  // namespace fennick
