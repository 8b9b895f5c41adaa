#include "platform/registry.h"

namespace fennick::platform {

const char* RootName(RegRoot root) { return root == RegRoot::CurrentUser ? "HKCU" : "HKLM"; }

}  // namespace fennick::platform
