// One value of a layout's catalog key.
#pragma once

#include <string>

#include "registry/context.h"

namespace fennick {

// The REG_SZ value of HKLM "...\Keyboard Layouts\<layoutId>"; empty when the
// key or the value is missing.
std::string ReadCatalogValue(Context& context, const std::string& layoutId, const char* valueName);

}  // namespace fennick
