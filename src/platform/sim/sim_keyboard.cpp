#include "platform/sim/sim_keyboard.h"

#include <algorithm>

#include "common/text.h"

namespace fennick::sim {

LayoutHandle SimKeyboard::HandleOf(const std::string& layoutId) {
  std::string id = ToUpperAscii(layoutId);
  if (id.compare(0, 4, "0000") == 0) return ParseHex(id.substr(4) + id.substr(4));
  return ParseHex(id);
}

std::vector<LayoutHandle> SimKeyboard::LoadedLayouts(int maxCount) {
  log_.Record("GetKeyboardLayoutList " + std::to_string(maxCount));
  std::size_t count = std::min(Loaded.size(), static_cast<std::size_t>(std::max(maxCount, 0)));
  return std::vector<LayoutHandle>(Loaded.begin(), Loaded.begin() + static_cast<std::ptrdiff_t>(count));
}

LayoutHandle SimKeyboard::LoadLayout(const std::string& layoutId, std::uint32_t flags) {
  if (!log_.Record("LoadKeyboardLayout " + layoutId + " " + Hex8(flags))) return 0;
  if (Unloadable.count(ToUpperAscii(layoutId))) return 0;
  LayoutHandle handle = HandleOf(layoutId);
  auto it = std::find(Loaded.begin(), Loaded.end(), handle);
  if (it == Loaded.end()) {
    Loaded.push_back(handle);
    it = Loaded.end() - 1;
  }
  if (flags & platform::klf::Reorder) std::rotate(Loaded.begin(), it, it + 1);
  if (flags & platform::klf::Activate) Active = handle;
  return handle;
}

bool SimKeyboard::UnloadLayout(LayoutHandle handle) {
  if (!log_.Record("UnloadKeyboardLayout " + Hex8(handle))) return false;
  auto it = std::find(Loaded.begin(), Loaded.end(), handle);
  if (it == Loaded.end() || Pinned.count(handle)) return false;
  Loaded.erase(it);
  return true;
}

LayoutHandle SimKeyboard::ActivateLayout(LayoutHandle handle, std::uint32_t flags) {
  if (!log_.Record("ActivateKeyboardLayout " + Hex8(handle) + " " + Hex8(flags))) return 0;
  LayoutHandle previous = Active;
  if (handle != 0 && std::find(Loaded.begin(), Loaded.end(), handle) != Loaded.end()) Active = handle;
  return previous;
}

bool SimKeyboard::SetShowImeStatus(bool show) {
  if (!log_.Record(std::string("SystemParametersInfo SPI_SETSHOWIMEUI ") + (show ? "1" : "0")) ||
      !InputSettingsWork) {
    return false;
  }
  ShowImeStatus = show;
  return true;
}

bool SimKeyboard::ReloadLanguageToggle() {
  return log_.Record("SystemParametersInfo SPI_SETLANGTOGGLE") && InputSettingsWork;
}

bool SimKeyboard::SetDefaultInputLanguage(LayoutHandle handle) {
  if (!log_.Record("SystemParametersInfo SPI_SETDEFAULTINPUTLANG " + Hex8(handle)) || !InputSettingsWork) return false;
  DefaultInputLanguage = handle;
  return true;
}

}  // namespace fennick::sim
