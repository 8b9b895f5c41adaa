// Installing an IME file: the system registers it, the new catalog entry gets
// the chosen name, and the window shows what the registry then holds.
#pragma once

#include <string>

#include "model/main_window.h"
#include "registry/context.h"

namespace fennick {

// InstallButton and the install switch. Applies the working settings first, so
// every pending change is written even when the install fails; registers the
// file in InstallFileEdit (passed as it stands) under the name in
// InstallNameEdit, writes that name as the new entry's "Layout Display Name",
// and loads the settings afresh. The install fields keep their texts; nothing
// is reported. Gives the LayoutId of the new catalog entry, or empty text when
// the system installed nothing.
std::string InstallIme(Context& context, MainWindow& window);

}  // namespace fennick
