// The input method manager: registering an IME file with the system, and the
// configuration dialog of an installed IME.
#pragma once

#include <string>

#include "platform/keyboard.h"

namespace fennick::platform {

class InputMethods {
 public:
  virtual ~InputMethods() = default;

  // ImmInstallIME: registers the IME file (passed as given) under the layout
  // text. The handle of the new input locale, whose eight hexadecimal digits
  // name its catalog key; 0 when the system refuses.
  virtual LayoutHandle InstallIme(const std::string& imeFile, const std::string& layoutText) = 0;

  // ImmConfigureIME with IME_CONFIG_GENERAL, owned by the thread's active
  // window: the IME's own settings dialog. False when the layout is no IME or
  // the IME has no dialog.
  virtual bool ConfigureIme(LayoutHandle handle) = 0;
};

}  // namespace fennick::platform
