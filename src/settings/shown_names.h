// The name an entry shows for an indicator style.
#pragma once

#include <string>

#include "model/working_settings.h"

namespace fennick {

// LegacyName under the legacy indicator; otherwise NewDisplayName when the user
// gave one, else ServicesName.
inline const std::string& ShownName(const PreloadEntry& entry, Indicator style) {
  if (style == Indicator::LegacyIndicator) return entry.LegacyName;
  return entry.NewDisplayName.empty() ? entry.ServicesName : entry.NewDisplayName;
}

inline const std::string& ShownName(const AvailableEntry& entry, Indicator style) {
  return style == Indicator::LegacyIndicator ? entry.LegacyName : entry.ServicesName;
}

}  // namespace fennick
