#include "platform/sim/sim_input_methods.h"

#include "common/text.h"
#include "registry/schema.h"

namespace fennick::sim {

platform::LayoutHandle SimInputMethods::InstallIme(const std::string& imeFile, const std::string& layoutText) {
  if (!log_.Record("ImmInstallIME " + imeFile + "|" + layoutText)) return 0;
  if (registry_.WritesDenied(RegRoot::LocalMachine)) return 0;
  const std::uint32_t language = system_.Locale & 0xFFFF;
  platform::LayoutHandle handle = 0;
  for (std::uint32_t count = 2; count <= 0xFFF; ++count) {
    platform::LayoutHandle candidate = ((0xE000 | count) << 16) | language;
    if (!registry_.HasKey(RegRoot::LocalMachine, schema::CatalogKey(Hex8(candidate)))) {
      handle = candidate;
      break;
    }
  }
  if (handle == 0) return 0;
  const std::string key = schema::CatalogKey(Hex8(handle));
  registry_.PutString(RegRoot::LocalMachine, key, schema::kImeFileValue, imeFile);
  registry_.PutString(RegRoot::LocalMachine, key, schema::kLayoutTextValue, layoutText);
  if (AddsToPreload) {
    std::size_t next = registry_.ValueNames(RegRoot::CurrentUser, schema::kPreloadKey).size() + 1;
    registry_.PutString(RegRoot::CurrentUser, schema::kPreloadKey, std::to_string(next), Hex8(handle));
  }
  Installed.push_back(handle);
  return handle;
}

bool SimInputMethods::ConfigureIme(platform::LayoutHandle handle) {
  if (!log_.Record("ImmConfigureIME " + Hex8(handle))) return false;
  if ((handle >> 28) == 0) return false;
  Configured.push_back(handle);
  return true;
}

}  // namespace fennick::sim
