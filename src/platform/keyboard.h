// Keyboard layouts as the system has them loaded for the user, and the three
// input settings the program changes through SystemParametersInfo.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fennick::platform {

// Input-locale handles are kept as their low 32 bits, which is all a handle
// carries (on 64-bit Windows the rest is the sign extension).
using LayoutHandle = std::uint32_t;

namespace klf {
constexpr std::uint32_t Activate = 0x00000001;
constexpr std::uint32_t Reorder = 0x00000008;
constexpr std::uint32_t ShiftLock = 0x00010000;
constexpr std::uint32_t Reset = 0x40000000;
}  // namespace klf

class Keyboard {
 public:
  virtual ~Keyboard() = default;

  // Up to maxCount handles of the loaded layouts, in the system's order.
  virtual std::vector<LayoutHandle> LoadedLayouts(int maxCount) = 0;
  // Loads the layout named by a LayoutId; 0 when it cannot be loaded.
  virtual LayoutHandle LoadLayout(const std::string& layoutId, std::uint32_t flags) = 0;
  virtual bool UnloadLayout(LayoutHandle handle) = 0;
  // Activates a layout (handle 0: the current one, for the flags' effect).
  virtual LayoutHandle ActivateLayout(LayoutHandle handle, std::uint32_t flags) = 0;

  // SPI_SETSHOWIMEUI, stored in the user's profile: the IME status window.
  virtual bool SetShowImeStatus(bool show) = 0;
  // SPI_SETLANGTOGGLE, broadcast: the system rereads the switching chords.
  virtual bool ReloadLanguageToggle() = 0;
  // SPI_SETDEFAULTINPUTLANG, broadcast: the default input language.
  virtual bool SetDefaultInputLanguage(LayoutHandle handle) = 0;
};

}  // namespace fennick::platform
