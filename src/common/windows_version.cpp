#include "common/windows_version.h"

namespace fennick {

namespace {

bool Below(std::uint8_t major, std::uint8_t minor, std::uint8_t refMajor, std::uint8_t refMinor) {
  return major < refMajor || (major == refMajor && minor < refMinor);
}

WindowsVersionClass Windows95LineClass(std::uint8_t major, std::uint8_t minor) {
  if (major < 4) return WindowsVersionClass::Win31;
  if (Below(major, minor, 4, 10)) return WindowsVersionClass::Win95;
  if (Below(major, minor, 4, 90)) return WindowsVersionClass::Win98;
  return WindowsVersionClass::WinMe;
}

WindowsVersionClass NtLineClass(std::uint8_t major, std::uint8_t minor) {
  if (major < 5) return WindowsVersionClass::WinNT;
  if (Below(major, minor, 5, 1)) return WindowsVersionClass::Win2000;
  if (minor == 1) return WindowsVersionClass::WinXP;  // 5.1, and 6.1 too
  if (major < 6) return WindowsVersionClass::Win2003;
  return WindowsVersionClass::WinVista;  // 6.0, 6.2, 6.3 and later majors
}

}  // namespace

WindowsVersion ClassifyWindowsVersion(std::uint32_t getVersionValue) {
  WindowsVersion v;
  v.Major = static_cast<std::uint8_t>(getVersionValue & 0xFF);
  v.Minor = static_cast<std::uint8_t>((getVersionValue >> 8) & 0xFF);
  bool windows95Line = (getVersionValue & 0x80000000u) != 0;
  v.Class = windows95Line ? Windows95LineClass(v.Major, v.Minor) : NtLineClass(v.Major, v.Minor);
  return v;
}

}  // namespace fennick
