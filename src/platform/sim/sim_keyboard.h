// Keyboard layouts of the in-memory Windows: a list of loaded layouts that
// behaves like the system's (loading with KLF_REORDER puts the layout at the
// head, unloading removes it) and the three input settings.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/keyboard.h"
#include "platform/sim/call_log.h"

namespace fennick::sim {

using platform::LayoutHandle;

class SimKeyboard : public platform::Keyboard {
 public:
  explicit SimKeyboard(CallLog& log) : log_(log) {}

  std::vector<LayoutHandle> LoadedLayouts(int maxCount) override;
  LayoutHandle LoadLayout(const std::string& layoutId, std::uint32_t flags) override;
  bool UnloadLayout(LayoutHandle handle) override;
  LayoutHandle ActivateLayout(LayoutHandle handle, std::uint32_t flags) override;
  bool SetShowImeStatus(bool show) override;
  bool ReloadLanguageToggle() override;
  bool SetDefaultInputLanguage(LayoutHandle handle) override;

  // The handle the system gives a layout: an IME's own number, a plain
  // layout's language twice (00000409 gives 04090409).
  static LayoutHandle HandleOf(const std::string& layoutId);

  std::vector<LayoutHandle> Loaded;     // the system's order
  std::set<std::string> Unloadable;     // LayoutIds LoadLayout refuses (upper case)
  std::set<LayoutHandle> Pinned;        // handles UnloadLayout refuses
  LayoutHandle Active = 0;
  LayoutHandle DefaultInputLanguage = 0;
  bool ShowImeStatus = false;
  // Whether the SystemParametersInfo calls succeed (Wine's fail).
  bool InputSettingsWork = true;

 private:
  CallLog& log_;
};

}  // namespace fennick::sim
