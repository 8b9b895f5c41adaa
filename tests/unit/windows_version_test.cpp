#include <gtest/gtest.h>

#include "common/ui_language.h"
#include "common/windows_version.h"

namespace fennick {
namespace {

using C = WindowsVersionClass;

TEST(WindowsVersionClass, FromTheGetVersionValue) {
  struct Case {
    const char* name;
    std::uint32_t value;
    C expected;
    bool nt, win9x, vistaOrLater, windows7OrLater;
  } cases[] = {
      // The values Wine reports for each of its version settings.
      {"win98 (4.10)", 0xC0000A04, C::Win98, false, true, false, false},
      {"win2k (5.0)", 0x08930005, C::Win2000, true, false, false, false},
      {"winxp (5.1)", 0x0A280105, C::WinXP, true, false, false, false},
      {"winxp64 / win2003 (5.2)", 0x0ECE0205, C::Win2003, true, false, false, false},
      {"vista (6.0)", 0x17700006, C::WinVista, true, false, true, false},
      {"win7 (6.1)", 0x1DB10106, C::WinXP, true, false, true, true},
      {"win8 / win10 under Wine (6.2)", 0x23F00206, C::WinVista, true, false, true, true},
      {"6.3", 0x25800306, C::WinVista, true, false, true, true},
      {"10.0", 0x4A61000A, C::WinVista, true, false, true, false},
      {"NT 4.0", 0x05650004, C::WinNT, true, false, false, false},
      {"NT 3.51", 0x04213303, C::WinNT, true, false, false, false},
      {"Windows 95 (4.0)", 0xC3B60004, C::Win95, false, true, false, false},
      {"Windows Me (4.90)", 0xC0005A04, C::WinMe, false, true, false, false},
      {"Win32s (3.10)", 0x80000A03, C::Win31, false, false, false, false},
  };
  for (const Case& c : cases) {
    WindowsVersion v = ClassifyWindowsVersion(c.value);
    EXPECT_EQ(v.Class, c.expected) << c.name;
    EXPECT_EQ(v.IsNtFamily(), c.nt) << c.name;
    EXPECT_EQ(v.IsWin9xFamily(), c.win9x) << c.name;
    EXPECT_EQ(v.IsVistaOrLater(), c.vistaOrLater) << c.name;
    EXPECT_EQ(v.IsWindows7OrLater(), c.windows7OrLater) << c.name;
  }
}

TEST(UiLanguage, OnlyTheExactChineseLocalesGetChineseTexts) {
  struct Case {
    std::uint32_t locale;
    UiLanguage expected;
  } cases[] = {
      {0x0804, UiLanguage::Simplified}, {0x0404, UiLanguage::Traditional}, {0x0C04, UiLanguage::English},
      {0x1004, UiLanguage::English},    {0x1404, UiLanguage::English},     {0x0411, UiLanguage::English},
      {0x0409, UiLanguage::English},    {0x20804, UiLanguage::English},  // Simplified Chinese with a sort id
  };
  for (const Case& c : cases) EXPECT_EQ(SelectUiLanguage(c.locale), c.expected) << std::hex << c.locale;
}

}  // namespace
}  // namespace fennick
